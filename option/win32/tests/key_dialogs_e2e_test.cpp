// The key pages' dialogs under Wine, driven as a person would: real key
// strokes and clicks at the layout strings' positions from a second thread
// while the test thread runs the dialog. Screenshots of every dialog go to
// BRELFX_SCREENSHOTS.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "option/app/timers/timer_rules.h"
#include "option/win32/dialogs/key_dialogs.h"
#include "settings/text_field.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx::test {
namespace {

using namespace std::chrono_literals;

// A plain window that notes the keys it receives: the owner of the dialogs,
// and the witness that the keyboard is free again after the shortcut dialog.
class KeyWitness {
 public:
  KeyWitness() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BrelFX.KeyWitness";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, windowClass.lpszClassName, "Key witness",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  }
  ~KeyWitness() { DestroyWindow(window_); }
  HWND hwnd() const { return window_; }
  static std::vector<WPARAM>& Keys() {
    static std::vector<WPARAM> keys;
    return keys;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) Keys().push_back(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  HWND window_;
};

void PumpFor(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  MSG message;
  while (std::chrono::steady_clock::now() < end) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    std::this_thread::sleep_for(10ms);
  }
}

// The skinned dialog `owner` opened over itself (a confirmation).
HWND WaitForOwnedDialog(HWND owner) {
  for (int waited = 0; waited < 5000; waited += 20) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, "BrelFX.SkinDialog", nullptr))) {
      if (GetWindow(found, GW_OWNER) == owner && IsWindowVisible(found)) return found;
    }
    std::this_thread::sleep_for(20ms);
  }
  return nullptr;
}

// Runs `person` on its own thread while the test thread runs `dialog`.
template <typename Dialog>
auto WithPerson(std::function<void()> person, Dialog dialog) {
  std::thread thread(std::move(person));
  const auto result = dialog();
  thread.join();
  return result;
}

void Tap(WORD vk) {
  PressKey(vk);
  ReleaseKey(vk);
}

std::vector<std::string> Names(const TimerList& timers) {
  std::vector<std::string> names;
  for (const TimerRecord& timer : timers) names.push_back(TextField(timer.name));
  return names;
}

TEST(KeyDialogs, ShortcutTypedOnTheKeyboardAndTheKeyboardFreedOnEveryWayOut) {
  KeyWitness witness;
  struct Way {
    const char* button;
    bool confirmed;
  };
  for (const Way way : {Way{"BUTTON_OK,14,162,60,30,", true}, Way{"BUTTON_EXIT,430,4,25,22,", false}}) {
    SCOPED_TRACE(way.button);
    ShortcutChoice choice;
    choice.usage = 0x04;
    const bool confirmed = WithPerson(
        [&] {
          HWND dialog = WaitForWindow("Pelko Key Shortcut Dialog");
          if (!dialog) return;
          for (WORD vk : {WORD(VK_LCONTROL), WORD(VK_LSHIFT), WORD('K')}) PressKey(vk);
          for (WORD vk : {WORD('K'), WORD(VK_LSHIFT), WORD(VK_LCONTROL)}) ReleaseKey(vk);
          if (way.confirmed) SaveScreenshot("option-dialog-shortcut", dialog);
          ClickAt(LayoutCentre(dialog, way.button));
        },
        [&] { return RunShortcutDialog(witness.hwnd(), choice); });
    EXPECT_EQ(confirmed, way.confirmed);
    if (way.confirmed) {
      EXPECT_EQ(choice.usage, 0x0E);
      EXPECT_FALSE(choice.none);
      EXPECT_TRUE(choice.ctrl && choice.shift);
      EXPECT_FALSE(choice.alt || choice.win);
      EXPECT_EQ(choice.keyText, "K");
    }

    // The hook is gone: a key typed now reaches the window with the focus.
    SetForegroundWindow(witness.hwnd());
    SetFocus(witness.hwnd());
    KeyWitness::Keys().clear();
    std::thread typist([] { Tap('Q'); });
    PumpFor(600ms);
    typist.join();
    const auto& keys = KeyWitness::Keys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), WPARAM('Q')), keys.end());
  }
}

TEST(KeyDialogs, CreateTimerKeepsRefusedNamesOpenAndTrimsTheAcceptedOne) {
  KeyWitness owner;
  const TimerList timers = {MakeTimer("Boss", 60)};
  std::string name = " boss ";
  int seconds = 5;
  bool stayedOpen = false;
  const bool confirmed = WithPerson(
      [&] {
        HWND dialog = WaitForWindow("Create Timer");
        if (!dialog) return;
        SaveScreenshot("option-dialog-create-timer", dialog);
        ClickAt(LayoutCentre(dialog, "BUTTON_OK,14,310,60,26,"));  // "boss" exists
        stayedOpen = IsWindowVisible(dialog);
        ClickAt(LayoutCentre(dialog, "EDIT_PROFILE_NAME,116,90,182,15,"));
        Tap(VK_END);
        Tap('2');
        ClickAt(LayoutCentre(dialog, "BUTTON_OK,14,310,60,26,"));
      },
      [&] { return RunCreateTimerDialog(owner.hwnd(), timers, name, seconds); });
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(name, "boss 2");
  EXPECT_EQ(seconds, 15);  // the preset 5 is below the spin field's range
}

TEST(KeyDialogs, TimerEditorChoosesAndDeletesAfterConfirming) {
  KeyWitness owner;
  TimerList timers = {MakeTimer("Boss", 60), MakeTimer("Respawn", 30), MakeTimer("Tea", 180)};
  const bool confirmed = WithPerson(
      [&] {
        HWND editor = WaitForWindow("Edit Timer");
        if (!editor) return;
        ClickAt(LayoutCentre(editor, "LIST_TIMER,115,86,186,20,"));
        SaveScreenshot("option-dialog-timer-chooser", editor);
        for (WORD vk : {WORD(VK_DOWN), WORD(VK_DOWN), WORD(VK_RETURN)}) Tap(vk);  // 2nd timer
        SaveScreenshot("option-dialog-timer-editor", editor);
        ClickAt(LayoutCentre(editor, "BUTTON_DELETE,350,190,124,24,"));
        HWND question = WaitForOwnedDialog(editor);
        if (!question) return;
        SaveScreenshot("option-dialog-delete-timer", editor);
        ClickAt(LayoutCentre(question, "OK,72,160,55,28,"));
        ClickAt(LayoutCentre(editor, "BUTTON_OK,14,310,60,26,"));
      },
      [&] { return RunTimerEditorDialog(owner.hwnd(), timers, 0); });
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(Names(timers), (std::vector<std::string>{"Boss", "Tea"}));
}

// (The browse button's system dialog is left out: opening and closing it
// under Wine costs seconds and shows nothing of ours.)
TEST(KeyDialogs, QuickLaunchReturnsThePathAsTyped) {
  KeyWitness owner;
  std::string path = "C:\\Games\\raid.exe";
  const bool confirmed = WithPerson(
      [&] {
        HWND dialog = WaitForWindow("Quicklaunch");
        if (!dialog) return;
        SaveScreenshot("option-dialog-quick-launch", dialog);
        ClickAt(LayoutCentre(dialog, "Gaming path to executeable,27,88,227,15,"));
        Tap(VK_END);
        Tap(VK_BACK);
        Tap('X');
        ClickAt(LayoutCentre(dialog, "BUTTON_OK,72,200,56,24,"));
      },
      [&] { return RunQuickLaunchDialog(owner.hwnd(), path); });
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(path, "C:\\Games\\raid.exx");
}

}  // namespace
}  // namespace brelfx::test
