#include <windows.h>

#include "platform/win32/current_keyboard_layout.h"
#include "platform/win32/system_registry.h"
#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {

Host SystemHost() {
  return Host{SystemFileSystem(), SystemRegistry(), CurrentKeyboardLayout(),
              static_cast<int>(GetSystemDefaultLangID())};
}

}  // namespace brelfx::config_tool
