// Games named in the profiles: which profile belongs to the program the user
// works in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foreground_process.h"
#include "settings/settings_block.h"

namespace brelfx {

// The foreground window's executable file name in lower case; nothing when
// there is no foreground window or its process is not found.
std::optional<std::string> ForegroundExecutableName(ForegroundProcess& foreground);

// The lowest profile one of whose game files has this file name (folder
// ignored, case ignored, blanks around the stored path ignored); -1 when none.
int GameProfileFor(const SettingsBlock& settings, std::string_view executableName);

}  // namespace brelfx
