// Messages another program sends or posts to the real BrelFXMonitor.exe: this
// test process plays that program. Window handles, item data and timer
// numbers it passes must never be taken for the monitor's own, and copy-data
// of any size must be answered.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "monitor/win32/tests/debug_output_listener.h"
#include "monitor/win32/tests/monitor_folder_test.h"

namespace brelfx {
namespace {

using test::SoundsPlayed;
using test::WaitUntil;

// What a pointer looks like to a program that fills memory with 'A'.
constexpr ULONG_PTR kForeignPointer = 0x4141414141414141;

class ForeignMessages : public test::MonitorFolderTest {
 protected:
  void SetUp() override {
    MonitorFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(output_.listening());
    monitor_ = StartWithKeyboard();
    ASSERT_NE(monitor_, nullptr);
    output_.Follow(GetProcessId(monitor_));
    window_ = WaitForMonitorWindow();
    // A window of this program whose user data looks like an object.
    decoy_ = CreateWindowExA(0, "STATIC", "decoy", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             nullptr, nullptr);
    ASSERT_NE(decoy_, nullptr);
    SetWindowLongPtrA(decoy_, GWLP_USERDATA, static_cast<LONG_PTR>(kForeignPointer));
  }
  void TearDown() override {
    if (decoy_) DestroyWindow(decoy_);
    MonitorFolderTest::TearDown();
  }

  // Sends and waits for the answer; false when none came within 10 s (on an
  // idle machine: Wine copies a 64 MB payload far slower on busy cores).
  bool Send(UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
    DWORD_PTR answer = 0;
    const bool answered = SendMessageTimeoutA(window_, message, wParam, lParam, SMTO_NORMAL,
                                              10000 * test::kWaitAllowance, &answer) != 0;
    if (result) *result = answer;
    return answered;
  }
  bool MonitorRuns() {
    return WaitForSingleObject(monitor_, 0) == WAIT_TIMEOUT && Send(WM_NULL, 0, 0);
  }

  test::DebugOutputListener output_;
  HANDLE monitor_ = nullptr;
  HWND window_ = nullptr;
  HWND decoy_ = nullptr;
};

TEST_F(ForeignMessages, WindowsAndItemDataOfAnotherProgramAreNeverCalled) {
  PostMessageA(window_, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(decoy_));
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_BUTTON;
  draw.hwndItem = decoy_;
  EXPECT_TRUE(Send(WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&draw)));
  draw.CtlType = ODT_MENU;
  draw.itemData = kForeignPointer;
  EXPECT_TRUE(Send(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = kForeignPointer;
  EXPECT_TRUE(Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  EXPECT_TRUE(MonitorRuns());
}

// Timers 601-607 would speak their announcements, 600 count down. The
// monitor's own request from another thread still works: a live-recording
// step announced by the worker thread.
TEST_F(ForeignMessages, TimerRequestsOfAnotherProgramStartNoTimer) {
  for (WPARAM id = 600; id <= 607; ++id) {
    PostMessageA(window_, WM_APP + 1, id, 10);
    PostMessageA(window_, WM_APP + 2, id, 0);
    PostMessageA(window_, WM_APP + 1, id, 10);
  }
  // The first sync has ended: the recording step's job is not queued behind it.
  ASSERT_TRUE(WaitUntil(
      [&] { return Sim("capture").output.find("set   ok   15 03") != std::string::npos; }, 20000));
  ASSERT_EQ(Sim("record 1").exitCode, 0u);
  ASSERT_TRUE(WaitUntil([&] { return !SoundsPlayed(output_.Lines()).empty(); }, 5000));
  Sleep(1000);  // what else the posted requests would have played by now
  const std::vector<std::string> sounds = SoundsPlayed(output_.Lines());
  ASSERT_EQ(sounds.size(), 1u) << ::testing::PrintToString(sounds);
  EXPECT_NE(sounds[0].find("macro-select-macro-key.wav"), std::string::npos) << sounds[0];
}

// Under Wine the payload is handed to the window procedure on the receiving
// thread's stack.
TEST_F(ForeignMessages, CopyDataOfAnySizeIsAnsweredWithOne) {
  for (const DWORD size : {0u, 64u, 1u << 20, 16u << 20, 64u << 20}) {
    std::vector<char> payload(size + 1, 'A');
    COPYDATASTRUCT data{0x07970003, size, payload.data()};
    DWORD_PTR result = 0;
    ASSERT_TRUE(Send(WM_COPYDATA, reinterpret_cast<WPARAM>(decoy_), reinterpret_cast<LPARAM>(&data),
                     &result))
        << size;
    EXPECT_EQ(result, 1u) << size;
  }
  EXPECT_TRUE(MonitorRuns());
}

}  // namespace
}  // namespace brelfx
