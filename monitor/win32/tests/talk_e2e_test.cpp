// The Talk link under Wine, as a user meets it: the real monitor with the
// simulated keyboard, and brelfx-talk-hub in the hub's place, fed verbs on
// its stdin. One monitor session walks through the whole link.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "monitor/win32/tests/debug_output_listener.h"
#include "monitor/win32/tests/monitor_folder_test.h"
#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"
#include "platform/win32/shared_memory.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using test::SentReports;
using test::TestProgramFolder;
using test::WaitUntil;

int g_deviceListChanged = 0;

// The option application's window as far as the monitor can tell: it counts
// WM_DEVICE_LIST_CHANGED and stays open when asked to close.
LRESULT CALLBACK OptionStandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DEVICE_LIST_CHANGED) ++g_deviceListChanged;
  if (message == WM_CLOSE) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

int Occurrences(const std::string& text, const std::string& what) {
  int count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class TalkEndToEnd : public test::MonitorFolderTest {
 protected:
  void TearDown() override {
    if (hubInput_) CloseHandle(hubInput_);
    if (hub_) {
      TerminateProcess(hub_, 1);
      CloseHandle(hub_);
    }
    if (option_) DestroyWindow(option_);
    MonitorFolderTest::TearDown();
  }

  // brelfx-talk-hub reading verbs from a pipe, writing to hub.txt.
  bool StartHub() {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr;
    if (!CreatePipe(&read, &hubInput_, &inherit, 0)) return false;
    SetHandleInformation(hubInput_, HANDLE_FLAG_INHERIT, 0);
    HANDLE out = CreateFileA(Path("hub.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = read;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + TestProgramFolder() + "brelfx-talk-hub.exe\"";
    const bool started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, folder_.c_str(), &startup, &process);
    CloseHandle(read);
    CloseHandle(out);
    if (!started) return false;
    CloseHandle(process.hThread);
    hub_ = process.hProcess;
    return true;
  }
  void HubDoes(const std::string& verb) {
    const std::string line = verb + "\n";
    DWORD written = 0;
    WriteFile(hubInput_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }
  std::string HubOutput() { return test::ReadFileText(Path("hub.txt")); }
  bool HubPrints(const std::string& what, int times = 1) {
    return WaitUntil([&] { return Occurrences(HubOutput(), what) >= times; }, 15000);
  }
  std::vector<std::vector<std::uint8_t>> AmbientReports() {
    std::vector<std::vector<std::uint8_t>> reports;
    for (const auto& report : SentReports(Sim("capture").output))
      if (!report.empty() && report[0] == 0x17) reports.push_back(report);
    return reports;
  }
  int TrayIconsAdded() { return Occurrences(Join(output_.Lines()), "tray icon added"); }
  static std::string Join(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) all += line + "\n";
    return all;
  }

  void OpenOptionStandIn() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OptionStandIn;
    windowClass.lpszClassName = "TalkE2eOptionStandIn";
    RegisterClassA(&windowClass);
    option_ = CreateWindowExA(0, windowClass.lpszClassName, kOptionWindowTitle, WS_POPUP, 0, 0, 10,
                              10, nullptr, nullptr, nullptr, nullptr);
  }

  test::DebugOutputListener output_;
  HANDLE hub_ = nullptr;
  HANDLE hubInput_ = nullptr;
  HWND option_ = nullptr;
};

TEST_F(TalkEndToEnd, HubHearsTheKeyboardAndDrivesTheMonitorUntilItVanishes) {
  ASSERT_TRUE(output_.listening());
  SetEnvironmentVariableA("BRELFX_AMBIENT_LIGHT_MS", "1500");
  HANDLE monitor = StartWithKeyboard();
  SetEnvironmentVariableA("BRELFX_AMBIENT_LIGHT_MS", nullptr);
  ASSERT_NE(monitor, nullptr);
  output_.Follow(GetProcessId(monitor));
  HWND window = WaitForMonitorWindow();
  OpenOptionStandIn();
  // The first sync has ended: its read-back no longer replaces the settings.
  ASSERT_TRUE(WaitUntil(
      [&] { return Sim("capture").output.find("set   ok   15 03") != std::string::npos; }, 20000));
  ASSERT_TRUE(WaitUntil([&] { return TrayIconsAdded() == 1; }, 5000));

  ASSERT_TRUE(StartHub());
  ASSERT_TRUE(HubPrints("status connected (3) from 1e7d:3264")) << HubOutput();

  // M2 holds Kalim step 3 of the companion device 0x1234, as applied by the
  // option application.
  auto block = std::make_unique<SettingsBlock>();
  {
    Win32SharedMemory shared;
    ASSERT_EQ(OpenSharedSettings(shared), SharedOpenResult::kMapped);
    ASSERT_TRUE(CopyFromShared(shared, *block));
    KeyAssignment& m2 = block->Profiles[block->CurrentProfile].MacroKeyInfo[1];
    m2.FunctionCode = 0xF7;
    m2.TargetPid = 0x1234;
    ASSERT_TRUE(CopyToShared(shared, *block));
  }
  ASSERT_EQ(SendMessageA(window, WM_APPLY_SETTINGS, 0, 0), 0);
  ASSERT_EQ(Sim("press 0xAB talk").exitCode, 0u);
  EXPECT_TRUE(HubPrints("packet 0xf7 from 1e7d:3264 to 1e7d:1234 key down")) << HubOutput();

  HubDoes("device 0x1234 Kalim 400 800 1600 3200 6400");
  EXPECT_TRUE(WaitUntil(
      [&] {
        PumpMessages();
        return g_deviceListChanged > 0;
      },
      10000));
  char name[32] = "";
  GetPrivateProfileStringA("Device0", "Name", "", name, sizeof(name), Path("DeviceInfo.ini").c_str());
  EXPECT_STREQ(name, "Kalim");
  EXPECT_EQ(GetPrivateProfileIntA("Device0", "PID", 0, Path("DeviceInfo.ini").c_str()), 0x1234u);
  EXPECT_EQ(GetPrivateProfileIntA("Setting", "Count", 0, Path("DeviceInfo.ini").c_str()), 1u);

  HubDoes("ambient 1 0x12 0x34 1 2 3 4 5 6");
  ASSERT_TRUE(WaitUntil([&] { return AmbientReports().size() == 2; }, 10000))
      << Sim("capture").output;
  const auto ambient = AmbientReports();
  EXPECT_EQ(ambient[0], (std::vector<std::uint8_t>{0x17, 0x10, 1, 2, 3, 4, 5, 6, 1, 2, 0x12, 0x34,
                                                   0, 0, 0, 0}));
  EXPECT_EQ(ambient[1], std::vector<std::uint8_t>({0x17, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                   0, 0, 0}));

  ASSERT_EQ(Sim("unplug").exitCode, 0u);
  EXPECT_TRUE(HubPrints("status not-connected (4)")) << HubOutput();
  ASSERT_EQ(Sim("plug").exitCode, 0u);
  EXPECT_TRUE(HubPrints("status connected (3)", 2)) << HubOutput();
  // While the hub is there, the icon stays away, even after the arrival.
  EXPECT_EQ(TrayIconsAdded(), 1);

  // The hub ends without saying goodbye.
  TerminateProcess(hub_, 1);
  WaitForSingleObject(hub_, 5000);
  DWORD_PTR answer = 0;
  const UINT answerMs = 1000 * test::kWaitAllowance;
  EXPECT_NE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, answerMs, &answer), 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconsAdded() == 2; }, 5000));
}

}  // namespace
}  // namespace brelfx
