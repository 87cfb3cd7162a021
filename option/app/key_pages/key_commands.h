// What a choice in a key's function menu does to the key: the function
// code of the command, the data the function needs (macro copy, timer,
// device, shortcut, program path), the key's changed flag and the
// shift-pair rule. Commands that open a dialog do nothing when it is
// cancelled.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "option/app/key_pages/shift_pairs.h"
#include "settings/companion_device.h"
#include "settings/macro_library.h"
#include "settings/settings_block.h"
#include "settings/timer_file.h"

namespace brelfx {

// A shortcut as the key stores it: HID usage and modifier bits (bit 0 "no
// modifier names", 1 Shift, 2 Ctrl, 3 Alt, 4 Win).
struct ShortcutKeys {
  std::uint8_t usage = 0;
  std::uint8_t modifiers = 0;
};

// The windows the commands open; each returns true on OK.
class KeyCommandUi {
 public:
  virtual ~KeyCommandUi() = default;
  virtual bool CreateTimer(const TimerList& timers, std::string& name, int& seconds) = 0;
  virtual bool EditTimers(TimerList& timers) = 0;
  virtual bool AskShortcut(ShortcutKeys& keys) = 0;
  virtual bool AskQuickLaunch(std::string& path) = 0;
  // The macro manager: "Create New Macro..." (newMacro, set -1) or "Edit
  // Macro..." of a set; it opens on `key`'s macro when the key holds one.
  virtual void OpenMacroManager(bool newMacro, int set, const KeyAssignment* key) = 0;
};

struct KeyCommandContext {
  SettingsBlock& block;  // the edited block; its active profile is changed
  const MacroLibrary& macros;
  TimerList& timers;
  std::function<bool(const TimerList&)> saveTimers;  // writes the timer file
  const CompanionDeviceList& devices;
  KeyCommandUi& ui;
  ShiftPairs& shiftPairs = ProcessShiftPairs();
};

// The function code a command writes; nothing for commands that write none
// and for ids outside the menus.
std::optional<std::uint8_t> FunctionCodeFor(unsigned id);

// Runs menu command `id` for key `keyIndex`; true when the key's record
// changed (the page then refreshes and the profile counts as modified).
bool RunKeyCommand(unsigned id, int keyIndex, KeyCommandContext& context);

}  // namespace brelfx
