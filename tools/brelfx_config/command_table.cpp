#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {

extern const Command kInitCommand;
extern const Command kShowCommand;
extern const Command kCheckCommand;
extern const Command kReportsCommand;

std::span<const Command> Commands() {
  static const Command kCommands[] = {kInitCommand, kShowCommand, kCheckCommand, kReportsCommand};
  return kCommands;
}

}  // namespace brelfx::config_tool
