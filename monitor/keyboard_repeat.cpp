#include "monitor/keyboard_repeat.h"

#include "monitor/current_profile.h"

namespace brelfx {

void ApplyKeyboardRepeat(const SettingsBlock& settings, SystemKeyboardRepeat& repeat) {
  if (const ProfileRecord* profile = CurrentProfile(settings))
    repeat.Apply(profile->KBDelay, profile->KBSpeed);
}

}  // namespace brelfx
