// The real upgrade program started by the real monitor under Wine, with the
// simulated keyboard, driven as a person would: clicks at the panels' layout
// positions, checked by the windows, the progress bar's pixels, the keyboard
// and the monitor's config.ini. Screenshots go to BRELFX_SCREENSHOTS.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <tlhelp32.h>

#include <fstream>
#include <string>

#include "monitor/win32/tests/monitor_folder_test.h"
#include "settings/shared_catalogue.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx::test {
namespace {

constexpr const char* kUpgradeProgram = "BrelFX Firmware Upgrade.exe";
constexpr const char* kMainWindowTitle = "Tarvek Brel Keyboard Firmware update";
constexpr const char* kQuestionOk = "BUTTON_OK,74,171,56,25,";
constexpr const char* kSingleOk = "BUTTON_OK,125,171,56,25,";
constexpr const char* kMainClose = "BUTTON_EXIT,497,4,22,22,";
constexpr POINT kBarLeft{43 + 4, 181 + 8};
constexpr POINT kBarRight{43 + 436 - 4, 181 + 8};
constexpr int kImageBlocks = 12;

// A visible top-level window with this exact title, or null.
HWND VisibleWindow(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  return window && IsWindowVisible(window) ? window : nullptr;
}

HWND WaitForWindow(const char* title, int timeoutMs) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = VisibleWindow(title)) != nullptr; }, timeoutMs);
  return window;
}

// Whether the screen pixel at a point of `window` is the bar's blue.
bool IsBarBlue(HWND window, POINT at) {
  RECT frame;
  GetWindowRect(window, &frame);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, frame.left + at.x, frame.top + at.y);
  ReleaseDC(nullptr, screen);
  return pixel == RGB(60, 137, 191);
}

// Ids of the running processes of a program.
std::vector<DWORD> Processes(const char* program) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (lstrcmpiA(entry.szExeFile, program) == 0) ids.push_back(entry.th32ProcessID);
  CloseHandle(snapshot);
  return ids;
}

std::vector<DWORD> UpgradeProcesses() {
  return Processes(kUpgradeProgram);
}

// Wine's X11 driver waits up to 2 s for a window manager to withdraw every
// activated window it hides or destroys; Xvfb has none. Windows of programs
// started while this lives are left to Wine itself, which needs no wait.
class WineUnmanagedWindows {
 public:
  WineUnmanagedWindows() {
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof(old_);
    had_ = RegQueryValueExA(key_, "Managed", nullptr, nullptr, reinterpret_cast<BYTE*>(old_),
                            &size) == ERROR_SUCCESS;
    RegSetValueExA(key_, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
  }
  ~WineUnmanagedWindows() {
    if (had_)
      RegSetValueExA(key_, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(old_),
                     lstrlenA(old_) + 1);
    else
      RegDeleteValueA(key_, "Managed");
    RegCloseKey(key_);
  }

 private:
  static constexpr const char* kKey = "Software\\Wine\\X11 Driver";
  HKEY key_ = nullptr;
  char old_[16] = "";
  bool had_ = false;
};

class UpgradeEndToEnd : public MonitorFolderTest {
 protected:
  WineUnmanagedWindows unmanaged_;

  void SetUp() override {
    MonitorFolderTest::SetUp();
    const std::string from = TestProgramFolder() + "FWUpdate\\";
    const std::string to = Path("FWUpdate\\");
    CreateDirectoryA(to.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((from + kUpgradeProgram).c_str(), (to + kUpgradeProgram).c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((from + "zendrel.dll").c_str(), (to + "zendrel.dll").c_str(), FALSE));
    // Firmware 106 as the simulated loader reads it: its mark, its version.
    std::string image = "BRELFXFW";
    image += static_cast<char>(106);
    for (int i = static_cast<int>(image.size()); i < kImageBlocks * 1024 - 100; ++i)
      image += static_cast<char>(i * 13 + 7);
    std::ofstream(to + "fw106.bin", std::ios::binary) << image;
    std::ofstream(to + "config.ini", std::ios::binary)
        << "[Firmware]\r\nName=fw106.bin\r\nVersion=106\r\n";
    ASSERT_EQ(Sim("version 105").exitCode, 0u);
  }

  void TearDown() override {
    for (DWORD id : UpgradeProcesses()) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
      if (!process) continue;
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
    // A monitor the upgrade program started again.
    if (HWND monitor = FindWindowA(nullptr, kMonitorWindowTitle)) {
      PostMessageA(monitor, WM_CLOSE, 0, 0);
      WaitUntil([] { return FindWindowA(nullptr, kMonitorWindowTitle) == nullptr; }, 10000);
    }
    MonitorFolderTest::TearDown();
  }

  // The monitor finds firmware 105 against 106 offered, starts the upgrade
  // program and ends; OK on its question opens the main window.
  HWND StartAndAccept() {
    Start();
    HWND question = WaitForWindow("Firmware update", 20000);
    if (!question) return nullptr;
    EXPECT_TRUE(WaitUntil([] { return !FindWindowA(nullptr, kMonitorWindowTitle); }, 10000))
        << "the monitor still runs beside the question";
    SaveScreenshot("upgrade-question");
    ClickAt(LayoutCentre(question, kQuestionOk));
    return WaitForWindow(kMainWindowTitle, 10000);
  }
};

TEST_F(UpgradeEndToEnd, FirmwareFromTheMonitorsFolderReachesTheKeyboardAndTheMonitorReturns) {
  HWND window = StartAndAccept();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsBarBlue(window, kBarLeft));
  SaveScreenshot("upgrade-start");
  // Midway: the bar has begun and not yet ended.
  ASSERT_TRUE(WaitUntil([&] { return IsBarBlue(window, kBarLeft); }, 15000));
  EXPECT_FALSE(IsBarBlue(window, kBarRight));
  SaveScreenshot("upgrade-midway");

  HWND success = WaitForWindow("Firmware upgrade success", 15000);
  ASSERT_NE(success, nullptr);
  EXPECT_TRUE(IsBarBlue(window, kBarRight));  // full with the last block
  SaveScreenshot("upgrade-success");
  ClickAt(LayoutCentre(success, kSingleOk));

  EXPECT_TRUE(WaitUntil([] { return UpgradeProcesses().empty(); }, 10000));
  ASSERT_NE(WaitForMonitorWindow(), nullptr) << "the monitor was not started again";
  EXPECT_TRUE(WaitForConfig("FWVersion", 106)) << "the keyboard does not report 106";
  EXPECT_NE(Sim("dump").output.find("firmware 106"), std::string::npos) << Sim("dump").output;
  // Now equal: the monitor keeps running and starts no second upgrade.
  ASSERT_TRUE(WaitForConfig("Device", 1));
  Sleep(500);
  EXPECT_TRUE(UpgradeProcesses().empty());
  EXPECT_NE(FindWindowA(nullptr, kMonitorWindowTitle), nullptr);
}

TEST_F(UpgradeEndToEnd, LoaderFailureAtBlockFiveLeavesTheWindowAndNoMonitor) {
  ASSERT_EQ(Sim("fail-block 5").exitCode, 0u);
  HWND window = StartAndAccept();
  ASSERT_NE(window, nullptr);
  HWND failure = WaitForWindow("Firmware upgrade failed", 20000);
  ASSERT_NE(failure, nullptr);
  SaveScreenshot("upgrade-failure");
  ClickAt(LayoutCentre(failure, kSingleOk));
  // The main window stays, with the blocks that went through, until closed.
  ASSERT_TRUE(WaitUntil([] { return !VisibleWindow("Firmware upgrade failed"); }, 5000));
  ASSERT_EQ(VisibleWindow(kMainWindowTitle), window);
  EXPECT_TRUE(IsBarBlue(window, kBarLeft));
  EXPECT_FALSE(IsBarBlue(window, kBarRight));
  ClickAt(LayoutCentre(window, kMainClose));
  // A restart would have been started before the upgrade program ended.
  EXPECT_TRUE(WaitUntil([] { return UpgradeProcesses().empty(); }, 10000));
  EXPECT_TRUE(Processes("BrelFXMonitor.exe").empty()) << "the monitor was started again";
  EXPECT_EQ(Sim("dump").output.find("firmware 106"), std::string::npos);
}

}  // namespace
}  // namespace brelfx::test
