#include "option/win32/key_pages/key_command_dialogs.h"

#include "option/app/key_pages/shortcut_bits.h"
#include "option/win32/dialogs/key_dialogs.h"

namespace brelfx {

bool KeyCommandDialogs::CreateTimer(const TimerList& timers, std::string& name, int& seconds) {
  return RunCreateTimerDialog(owner_, timers, name, seconds);
}

bool KeyCommandDialogs::EditTimers(TimerList& timers) {
  return RunTimerEditorDialog(owner_, timers, 0);
}

bool KeyCommandDialogs::AskShortcut(ShortcutKeys& keys) {
  const ShortcutFlags flags = FlagsFromModifierBits(keys.modifiers);
  ShortcutChoice choice;
  choice.usage = keys.usage;
  choice.none = flags.none;
  choice.shift = flags.shift;
  choice.ctrl = flags.ctrl;
  choice.alt = flags.alt;
  choice.win = flags.win;
  if (!RunShortcutDialog(owner_, choice)) return false;
  keys.usage = choice.usage;
  keys.modifiers = ModifierBits({choice.none, choice.shift, choice.ctrl, choice.alt, choice.win});
  return true;
}

bool KeyCommandDialogs::AskQuickLaunch(std::string& path) { return RunQuickLaunchDialog(owner_, path); }

}  // namespace brelfx
