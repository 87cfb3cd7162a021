#include <ostream>
#include <string_view>

#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {
namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: brelfx-config COMMAND [ARGS]\n";
  for (const Command& command : Commands())
    out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
}

}  // namespace

void ReportError(CommandContext& context, const std::string& message) {
  context.err << "brelfx-config: " << message << "\n";
}

int RunBrelfxConfig(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    Host host) {
  if (args.empty()) {
    err << "brelfx-config: no command given (try: brelfx-config help)\n";
    return kExitUsage;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(out);
    return kExitOk;
  }
  for (const Command& command : Commands()) {
    if (args[0] != command.name) continue;
    CommandContext context{{args.begin() + 1, args.end()}, out, err, host};
    return command.run(context);
  }
  err << "brelfx-config: unknown command '" << args[0] << "' (try: brelfx-config help)\n";
  return kExitUsage;
}

}  // namespace brelfx::config_tool
