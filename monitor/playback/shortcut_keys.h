// Shortcuts: a key with up to four modifiers, pressed when the keyboard key
// goes down, repeated while it is held (timer 102: first after 1000 ms, then
// every 100 ms) and released when it comes up. Runs on the GUI thread.
//
// The shortcut is the first MacroEvent slot of the key's assignment: Code is
// the key, Type the modifier bits (bit 0 none at all, bit 1 Shift, bit 2 Ctrl,
// bit 3 Alt, bit 4 left Windows).
//
// One shortcut is held at a time, and it is remembered with the key that
// pressed it: what goes up is always what went down, even when the profile
// (and so the key's assignment) changed while it was held.
#pragma once

#include "monitor/playback/key_sender.h"
#include "platform/clock.h"
#include "platform/window_timers.h"
#include "settings/settings_block.h"

namespace brelfx {

class ShortcutKeys {
 public:
  ShortcutKeys(KeySender& keys, Clock& clock, WindowTimers& timers);

  // Key down of the key keyIndex holding this shortcut; a shortcut another
  // key still holds is released first.
  void KeyDown(int keyIndex, const MacroEvent& shortcut);
  // Key up of keyIndex: releases the shortcut it pressed, if it holds one.
  void KeyUp(int keyIndex);
  // The keyboard left or the monitor closes: the held shortcut goes up now.
  void ReleaseHeld();
  // Timer 102.
  void OnRepeatTimer();

 private:
  static constexpr int kNoKey = -1;
  void Press(const MacroEvent& shortcut);
  void Release(const MacroEvent& shortcut);

  KeySender& keys_;
  Clock& clock_;
  WindowTimers& timers_;
  int holder_ = kNoKey;  // key index that holds held_
  MacroEvent held_{};
  bool firstRepeat_ = false;
};

}  // namespace brelfx
