#include "monitor/playback/key_functions.h"

#include "monitor/current_profile.h"

namespace brelfx {

KeyFunctions::KeyFunctions(const SettingsBlock& settings, ShortcutKeys& shortcuts,
                           Countdown& countdown, PlayerThread& player)
    : settings_(settings), shortcuts_(shortcuts), countdown_(countdown), player_(player) {}

void KeyFunctions::OnKeyEvent(std::uint16_t value) {
  const int keyIndex = (value & 0xFF) - 1;
  const int state = value >> 8;
  if (keyIndex < 0 || keyIndex >= kKeyCount) return;
  // Whatever the key does in the profile now, a shortcut it pressed (maybe
  // in another profile) goes up with it.
  if (state != 0) shortcuts_.KeyUp(keyIndex);
  const ProfileRecord* profile = CurrentProfile(settings_);
  if (profile == nullptr) return;
  const KeyAssignment& entry = profile->MacroKeyInfo[keyIndex];
  switch (entry.FunctionCode) {
    case kFnShortcut:
      if (state == 0) shortcuts_.KeyDown(keyIndex, entry.Actions[0]);
      break;
    // Timer keys act on both edges, except on the up value with state 1.
    case kFnStartTimer:
      if (state != 1) countdown_.StartKey(entry.TimerLength);
      break;
    case kFnStopTimer:
      if (state != 1) countdown_.StopKey();
      break;
    case kFnMacro:
      if (state == 0) player_.StartOrStop(entry);
      break;
    default:
      break;
  }
}

}  // namespace brelfx
