// The key commands' windows: the timer, shortcut and quick-launch dialogs
// over the page, and the macro manager through the main window.
#pragma once

#include <windows.h>

#include "option/app/key_pages/key_commands.h"
#include "option/win32/key_pages/key_page_host.h"

namespace brelfx {

class KeyCommandDialogs final : public KeyCommandUi {
 public:
  KeyCommandDialogs(HWND owner, KeyPageHost& host) : owner_(owner), host_(host) {}

  bool CreateTimer(const TimerList& timers, std::string& name, int& seconds) override;
  bool EditTimers(TimerList& timers) override;
  bool AskShortcut(ShortcutKeys& keys) override;
  bool AskQuickLaunch(std::string& path) override;
  void OpenMacroManager(bool newMacro, int set, const KeyAssignment* key) override {
    host_.OpenMacroManager(newMacro, set, key);
  }

 private:
  HWND owner_;
  KeyPageHost& host_;
};

}  // namespace brelfx
