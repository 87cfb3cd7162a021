// The user's key repeat follows the active profile.
#pragma once

#include "platform/system_keyboard_repeat.h"
#include "settings/settings_block.h"

namespace brelfx {

// Applies the current profile's KBDelay and KBSpeed to the system; nothing
// when no profile is current or its values are not ones Windows knows.
void ApplyKeyboardRepeat(const SettingsBlock& settings, SystemKeyboardRepeat& repeat);

}  // namespace brelfx
