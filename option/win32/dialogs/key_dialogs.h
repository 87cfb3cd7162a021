// The small dialogs the key pages' function menus open. Each runs modally
// over its owner and returns true only when the user confirmed with OK.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "settings/timer_file.h"

namespace brelfx {

// "Create Timer": name and seconds start with the preset; on OK they hold the
// trimmed name (not empty, unique in the list ignoring case and blanks) and
// the length (15-999 s). Does not open (false) when the list is full.
bool RunCreateTimerDialog(HWND owner, const TimerList& timers, std::string& name, int& seconds);

// "Edit/Delete Timer": starts with the timer at firstIndex; on OK the list
// holds the renamed, re-timed and deleted timers (CANCEL leaves it as it
// was), and the caller writes the timer file.
bool RunTimerEditorDialog(HWND owner, TimerList& timers, int firstIndex);

struct ShortcutChoice {
  std::uint8_t usage = 0;  // HID usage of the single key
  bool none = true, shift = false, ctrl = false, alt = false, win = false;
  std::string keyText;  // the key field's text on OK
};

// "Assign a Shortcut": captures the keyboard while open (no other program
// sees the keys) and releases it on every way out.
bool RunShortcutDialog(HWND owner, ShortcutChoice& choice);

// "Quicklaunch": the program path, typed or chosen with the file-open dialog.
bool RunQuickLaunchDialog(HWND owner, std::string& path);

}  // namespace brelfx
