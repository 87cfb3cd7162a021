#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {

Host SystemHost() { return Host{SystemFileSystem(), NoRegistry(), UsKeyboardLayout(), 0}; }

}  // namespace brelfx::config_tool
