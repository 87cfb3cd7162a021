// brelfx-config init DIR: the files Write all produces for the built-in
// defaults.
#include <cstring>
#include <memory>
#include <ostream>

#include "settings/block_defaults.h"
#include "settings/settings_files.h"
#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {
namespace {

int RunInit(CommandContext& context) {
  if (context.args.size() != 1 || context.args[0].empty()) {
    ReportError(context, "usage: brelfx-config init DIR");
    return kExitUsage;
  }
  const std::string& dir = context.args[0];
  FileSystem& fs = context.host.fs;
  if (!fs.CreateFolder(dir)) {
    ReportError(context, dir + ": cannot create the folder");
    return kExitUsage;
  }
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  ClearBlock(*block);
  SetDefaults(*block, context.host.languageId);  // an unknown language gives English
  // A diagnostics tool leaves the user's Windows key repeat alone.
  SettingsFiles files(dir, fs, NoRegistry());
  if (!files.WriteAll(*block)) {
    ReportError(context, dir + ": cannot write the settings files");
    return kExitUsage;
  }
  context.out << "wrote " << files.ConfigIniPath() << " and " << files.ProfileFilePath(0)
              << " … " << files.ProfileFilePath(kProfileCount - 1) << "\n";
  return kExitOk;
}

}  // namespace

extern const Command kInitCommand{"init", "DIR",
                                  "write config.ini and config/Default0-4.tkp with the defaults",
                                  RunInit};

}  // namespace brelfx::config_tool
