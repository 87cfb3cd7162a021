// The macro editor pane under Wine, driven as a person would: real clicks
// and key strokes (SendInput) from a second thread while the test thread
// runs the window. Screenshots go to BRELFX_SCREENSHOTS.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

#include "option/app/macro_editor/macro_bars.h"
#include "option/app/macro_editor/macro_editor_layout.h"
#include "option/app/macro_editor/macro_key_codes.h"
#include "option/win32/macro_manager/editor/tests/editor_test_host.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx::test {
namespace {

constexpr const char* kListView = "BrelFX.MacroListEditor";
constexpr const char* kTimelineView = "BrelFX.MacroTimeline";
using namespace macro_editor;
constexpr int kGap = 45;  // ms between the key strokes typed

// Runs `person` on its own thread while this thread runs the windows.
void WithPerson(const std::function<void()>& person) {
  std::atomic<bool> done{false};
  std::thread thread([&] {
    person();
    done = true;
  });
  while (!done) PumpMessages(10);
  thread.join();
  PumpMessages(100);
}

void RightClickAt(POINT at) {
  MoveMouseTo(at);
  for (DWORD flag : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
  }
}

void Tap(WORD vk) {
  PressKey(vk);
  ReleaseKey(vk);
}

// The middle of row `row` of the event list.
POINT EventRow(HWND list, int row) {
  return LayoutCentre(list, kEventList, {0, -142 + 16 * row});
}

void Wait(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

MacroRecord NamedMacro(const char* name) {
  MacroRecord macro{};
  std::snprintf(macro.Name, sizeof macro.Name, "%s", name);
  macro.Loop = 1;
  return macro;
}

TEST(MacroEditorPane, RecordsTypedKeysWithTheirDelaysAndFreesTheKeyboard) {
  EditorTestHost host;
  MacroRecord macro = NamedMacro("open door");
  host.pane().ShowMacro(&macro, true);
  const HWND list = host.View(kListView);
  ASSERT_TRUE(list);
  std::vector<KeyStrokeTimes> sent;
  WithPerson([&] {
    ClickAt(LayoutCentre(list, kRecord));
    for (WORD vk : {WORD('H'), WORD('E'), WORD('L'), WORD('L'), WORD('O')}) {
      sent.push_back(SendKeyStroke(vk, false));
      Wait(kGap);
      sent.push_back(SendKeyStroke(vk, true));
      Wait(kGap);
    }
    SaveScreenshot("macro-editor-recording", host.hwnd());
    ClickAt(LayoutCentre(list, kRecord));
    Wait(100);
  });
  EXPECT_FALSE(host.pane().Recording());
  EXPECT_EQ(host.recordingChanges, (std::vector<bool>{true, false}));
  EXPECT_TRUE(host.keysSeen.empty()) << "the keys went past the capture";

  const std::uint8_t hello[] = {0x0B, 0x08, 0x0F, 0x0F, 0x12};
  ASSERT_EQ(macro.EventCount, 10);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(macro.Events[i].Code, hello[i / 2]);
    EXPECT_EQ(macro.Events[i].Type, i % 2 ? 2 : 1);
    if (i < 9) {
      EXPECT_GE(macro.Events[i].Delay + 1u, sent[i + 1].before - sent[i].after);
      EXPECT_LE(macro.Events[i].Delay, sent[i + 1].after - sent[i].before + 1u);
    }
  }
  EXPECT_EQ(macro.Events[9].Delay, 0);

  // Stopped, the keyboard belongs to the desktop again.
  SetForegroundWindow(host.hwnd());
  SetFocus(host.hwnd());
  WithPerson([] {
    PressKey('X');
    ReleaseKey('X');
    Wait(100);
  });
  EXPECT_EQ(host.keysSeen, std::vector<WPARAM>{'X'});
  EXPECT_EQ(macro.EventCount, 10);

  host.pane().SwitchView();
  PumpMessages(200);
  SaveScreenshot("macro-editor-timeline", host.hwnd());
  host.pane().SwitchView();

  // "Edit Delay" on the first delay row: 70000 typed is held to 65535.
  WithPerson([&] {
    RightClickAt(EventRow(list, 1));
    Wait(300);
    for (WORD vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) Tap(vk);
    Wait(200);
    for (WORD vk : {WORD('7'), WORD('0'), WORD('0'), WORD('0'), WORD('0'), WORD(VK_RETURN)})
      Tap(vk);
    Wait(200);
  });
  EXPECT_EQ(macro.Events[0].Delay, 65535);
  EXPECT_EQ(macro.EventCount, 10);
}

TEST(MacroEditorPane, DestroyedWhileRecordingGivesTheKeyboardBack) {
  auto host = std::make_unique<EditorTestHost>();
  MacroRecord macro = NamedMacro("cut short");
  host->pane().ShowMacro(&macro, true);
  WithPerson([&] { ClickAt(LayoutCentre(host->View(kListView), kRecord)); });
  ASSERT_TRUE(host->pane().Recording());
  host.reset();
  EditorTestHost witness;
  SetFocus(witness.hwnd());
  WithPerson([] {
    PressKey('Y');
    ReleaseKey('Y');
    Wait(100);
  });
  EXPECT_EQ(witness.keysSeen, std::vector<WPARAM>{'Y'});
}

TEST(MacroEditorPane, ContextMenuInsertsAMouseClickAndTheTimelineEditsBars) {
  EditorTestHost host;
  MacroRecord macro = NamedMacro("mouse");
  // A press and release of A, then a press of B that is never released.
  const MacroEvent events[] = {{0x04, 1, 200}, {0x04, 2, 0}, {0x05, 1, 0}};
  std::copy(std::begin(events), std::end(events), macro.Events);
  macro.EventCount = 3;
  host.pane().ShowMacro(&macro, true);
  const HWND list = host.View(kListView);
  // Right-click the first row, then "Insert Mouse Event" > "Left Button" > "Click".
  WithPerson([&] {
    RightClickAt(EventRow(list, 0));
    Wait(300);
    for (WORD vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN})
      Tap(vk);
    SaveScreenshot("macro-editor-context-menu");
    Tap(VK_RETURN);
    Wait(200);
  });
  ASSERT_EQ(macro.EventCount, 5);
  EXPECT_EQ(macro.Events[1].Code, kMouseLeft);
  EXPECT_EQ(macro.Events[1].Type, 1);
  EXPECT_EQ(macro.Events[2].Code, kMouseLeft);
  EXPECT_EQ(macro.Events[2].Type, 2);
  EXPECT_EQ(macro.Events[4].Code, 0x05);

  // Looking at the timeline leaves the macro as it is, unpaired press and all.
  const MacroRecord before = macro;
  host.pane().SwitchView();
  PumpMessages(200);
  SaveScreenshot("macro-editor-timeline-unpaired", host.hwnd());
  host.pane().SwitchView();
  EXPECT_EQ(std::memcmp(&before, &macro, sizeof macro), 0);

  // The zoom fits the 200 ms macro: 1 ms per pixel. Drag the mouse button's
  // bar 30 pixels (30 ms) to the right, behind the A bar.
  host.pane().SwitchView();
  const HWND timeline = host.View(kTimelineView);
  const int editsBefore = host.edits;
  WithPerson([&] {
    const POINT bar = LayoutCentre(timeline, "Click,282,77,2,1,");  // lane 1 at 200 ms
    MoveMouseTo(bar);
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof press);
    Wait(50);
    for (int step = 1; step <= 3; ++step) {
      MoveMouseTo({bar.x + 10 * step, bar.y});
      Wait(30);
    }
    press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &press, sizeof press);
    Wait(100);
    SaveScreenshot("macro-editor-timeline-edited", host.hwnd());
  });
  EXPECT_GT(host.edits, editsBefore);
  ASSERT_EQ(macro.EventCount, 4);  // edited: the unpaired press is gone
  const std::uint8_t codes[] = {0x04, 0x04, kMouseLeft, kMouseLeft};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(macro.Events[i].Code, codes[i]) << i;
  EXPECT_EQ(macro.Events[0].Delay, 200);
  EXPECT_NEAR(macro.Events[1].Delay, 30, 2);
  EXPECT_EQ(macro.Events[3].Delay, 0);

  // Select the A bar and delete it with the button.
  WithPerson([&] {
    ClickAt(LayoutCentre(timeline, "A,103,55,2,1,"));
    ClickAt(LayoutCentre(timeline, kDeleteBar));
  });
  ASSERT_EQ(macro.EventCount, 2);
  EXPECT_EQ(macro.Events[0].Code, kMouseLeft);
  host.pane().SwitchView();
  EXPECT_FALSE(host.pane().TimelineShown());
}

}  // namespace
}  // namespace brelfx::test
