// brelfx-config reports DIR: the reports that sending the whole configuration
// of DIR to the keyboard writes, one per line in lower-case hex, in the order
// they are sent (the stamp that follows them left out). Lets users see exactly
// what reaches their keyboard.
#include <cstring>
#include <memory>
#include <ostream>

#include "device/change_writes.h"
#include "settings/block_defaults.h"
#include "settings/settings_files.h"
#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {
namespace {

void PrintHexLine(std::ostream& out, const Report& report) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string line;
  line.reserve(2 * report.size() + 1);
  for (std::uint8_t byte : report) {
    line += kDigits[byte >> 4];
    line += kDigits[byte & 0x0F];
  }
  line += '\n';
  out << line;
}

int RunReports(CommandContext& context) {
  if (context.args.size() != 1 || context.args[0].empty()) {
    ReportError(context, "usage: brelfx-config reports DIR");
    return kExitUsage;
  }
  const std::string& dir = context.args[0];
  if (context.host.fs.Kind(dir) != PathKind::kFolder) {
    ReportError(context, dir + ": no such folder");
    return kExitUsage;
  }
  // As the monitor reads the settings; the Windows key repeat never travels.
  SettingsFiles files(dir, context.host.fs, NoRegistry());
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  ClearBlock(*block);
  files.ReadAll(*block);
  for (const Report& report : WholeConfigurationReports(*block)) PrintHexLine(context.out, report);
  return kExitOk;
}

}  // namespace

extern const Command kReportsCommand{
    "reports", "DIR", "print the reports that sending the settings of DIR writes to the keyboard",
    RunReports};

}  // namespace brelfx::config_tool
