#include "monitor/keyboard_repeat.h"

#include "monitor/current_profile.h"
#include "settings/keyboard_repeat_range.h"

namespace brelfx {

void ApplyKeyboardRepeat(const SettingsBlock& settings, SystemKeyboardRepeat& repeat) {
  const ProfileRecord* profile = CurrentProfile(settings);
  if (profile && IsWindowsKeyboardDelay(profile->KBDelay) && IsWindowsKeyboardSpeed(profile->KBSpeed))
    repeat.Apply(profile->KBDelay, profile->KBSpeed);
}

}  // namespace brelfx
