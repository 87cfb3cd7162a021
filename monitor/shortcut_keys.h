// Shortcuts: a key with up to four modifiers, pressed when the keyboard key
// goes down, repeated while it is held (timer 102: first after 1000 ms, then
// every 100 ms) and released when it comes up. Runs on the GUI thread.
//
// The shortcut is the first MacroEvent slot of the key's assignment: Code is
// the key, Type the modifier bits (bit 0 none at all, bit 1 Shift, bit 2 Ctrl,
// bit 3 Alt, bit 4 left Windows).
#pragma once

#include "monitor/key_sender.h"
#include "platform/clock.h"
#include "platform/window_timers.h"
#include "settings/settings_block.h"

namespace brelfx {

class ShortcutKeys {
 public:
  ShortcutKeys(KeySender& keys, Clock& clock, WindowTimers& timers);

  void KeyDown(const MacroEvent& shortcut);
  void KeyUp(const MacroEvent& shortcut);
  // Timer 102.
  void OnRepeatTimer();

 private:
  void Press(const MacroEvent& shortcut);
  void Release(const MacroEvent& shortcut);

  KeySender& keys_;
  Clock& clock_;
  WindowTimers& timers_;
  MacroEvent held_{};
  bool firstRepeat_ = false;
};

}  // namespace brelfx
