// The real BrelFXMonitor.exe with the stand-in zendrel.dll and brelfx-sim
// under Wine. Each test copies the monitor, the library and a stand-in
// option application into a fresh folder (the program folder the monitor
// works in) and gives the simulated keyboard its own state file.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/handles.h"
#include "settings/settings_block.h"
#include "settings/shared_catalogue.h"
#include "tests/support/win32/run_program.h"

namespace brelfx {
namespace {

using Clock = std::chrono::steady_clock;

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

using test::Ran;
using test::RunProgram;
using test::TestProgramFolder;

class MonitorEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    folder_ = std::string(temp) + "brelfx-monitor-e2e-" + std::to_string(GetCurrentProcessId()) +
              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "config").c_str(), nullptr);
    const std::string bin = TestProgramFolder();
    ASSERT_TRUE(
        CopyFileA((bin + "BrelFXMonitor.exe").c_str(), Path("BrelFXMonitor.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((bin + "zendrel.dll").c_str(), Path("zendrel.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((bin + "e2e\\option_stand_in.exe").c_str(),
                          Path("BrelFXOption.exe").c_str(), FALSE));
    // The monitor and brelfx-sim inherit the keyboard's state file.
    SetEnvironmentVariableA("BRELFX_SIM_STATE_FILE", Path("keyboard.bin").c_str());
    ASSERT_EQ(Sim("reset").exitCode, 0u);
  }

  void TearDown() override {
    for (auto& process : monitors_) {
      if (WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
        PostMessageA(FindWindowA(nullptr, kMonitorWindowTitle), WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.get(), 10000) == WAIT_TIMEOUT)
          TerminateProcess(process.get(), 1);
      }
    }
    monitors_.clear();
    WIN32_FIND_DATAA found;
    for (const char* sub : {"config\\", ""}) {
      HANDLE search = FindFirstFileA((folder_ + sub + "*").c_str(), &found);
      if (search == INVALID_HANDLE_VALUE) continue;
      do {
        DeleteFileA((folder_ + sub + found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA((folder_ + "config").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string Path(const std::string& name) const { return folder_ + name; }

  Ran Sim(const std::string& arguments) {
    return RunProgram(TestProgramFolder() + "brelfx-sim.exe", arguments);
  }

  // Starts a monitor; its process handle.
  HANDLE Start(const std::string& arguments = "") {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"";
    commandLine += Path("BrelFXMonitor.exe");
    commandLine += "\" ";
    commandLine += arguments;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process))
      return nullptr;
    CloseHandle(process.hThread);
    monitors_.emplace_back(process.hProcess);
    return process.hProcess;
  }

  HWND WaitForMonitorWindow() {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindWindowA(nullptr, kMonitorWindowTitle)) != nullptr; },
              15000);
    return window;
  }

  int ConfigInt(const char* key) {
    return static_cast<int>(
        GetPrivateProfileIntA("Setting", key, -100, Path("config.ini").c_str()));
  }

  bool WaitForConfig(const char* key, int value, int timeoutMs = 10000) {
    return WaitUntil([&] { return ConfigInt(key) == value; }, timeoutMs);
  }

  bool CaptureHas(const std::string& text) {
    return Sim("capture").output.find(text) != std::string::npos;
  }

  std::string folder_;
  std::vector<UniqueHandle> monitors_;
};

// The settings block as another process sees it in the shared section.
bool ReadSharedBlock(SettingsBlock& block) {
  UniqueHandle section(OpenFileMappingA(FILE_MAP_READ, FALSE, kSharedSettingsName));
  UniqueHandle mutex(OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kSettingsMutexName));
  if (!section || !mutex) return false;
  UniqueMappedView view(MapViewOfFile(section.get(), FILE_MAP_READ, 0, 0, sizeof(SettingsBlock)));
  if (!view || WaitForSingleObject(mutex.get(), 5000) != WAIT_OBJECT_0) return false;
  std::memcpy(&block, view.get(), sizeof(block));
  ReleaseMutex(mutex.get());
  return true;
}

TEST_F(MonitorEndToEnd, StartWithTheKeyboardSyncsPublishesAndStoresDeviceOne) {
  // The keyboard is on profile 4 and this computer has never written it.
  ASSERT_EQ(Sim("profile 4").exitCode, 0u);
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  EXPECT_TRUE(WaitForConfig("Device", 1));
  // The full sync read everything back and stored a fresh stamp.
  EXPECT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   14 14"); }, 20000))
      << Sim("capture").output;
  auto block = std::make_unique<SettingsBlock>();
  EXPECT_TRUE(
      WaitUntil([&] { return ReadSharedBlock(*block) && block->CurrentProfile == 3; }, 10000));
}

TEST_F(MonitorEndToEnd, SecondStartWithOneEndsAndTheFirstOpensTheOptionApplication) {
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  HANDLE second = Start("1");
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(WaitForSingleObject(second, 5000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(second, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(WaitUntil(
      [&] {
        return GetFileAttributesA(Path("option-started.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
      },
      10000));
  EXPECT_NE(FindWindowA(nullptr, kMonitorWindowTitle), nullptr);  // the first one runs on
}

TEST_F(MonitorEndToEnd, ProfileSwitchedOnTheKeyboardReachesConfigIni) {
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  ASSERT_TRUE(WaitForConfig("Device", 1));
  ASSERT_EQ(Sim("profile 3").exitCode, 0u);
  EXPECT_TRUE(WaitForConfig("CurrentProfile", 2));
}

TEST_F(MonitorEndToEnd, UnplugStoresDeviceZeroAndThePlugBringsItBack) {
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  ASSERT_TRUE(WaitForConfig("Device", 1));
  ASSERT_EQ(Sim("unplug").exitCode, 0u);
  EXPECT_TRUE(WaitForConfig("Device", 0));
  ASSERT_EQ(Sim("plug").exitCode, 0u);
  EXPECT_TRUE(WaitForConfig("Device", 1));  // after the keyboard's 2 s settle
}

TEST_F(MonitorEndToEnd, StartWithoutKeyboardStoresDeviceZeroAndSyncsNothing) {
  ASSERT_EQ(Sim("unplug").exitCode, 0u);
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  EXPECT_TRUE(WaitForConfig("Device", 0));
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));  // when a sync would have begun
  EXPECT_FALSE(CaptureHas("get   ok")) << Sim("capture").output;
}

TEST_F(MonitorEndToEnd, StartWithoutTheLibraryRunsAndStoresDeviceZero) {
  ASSERT_TRUE(DeleteFileA(Path("zendrel.dll").c_str()));
  HANDLE monitor = Start();
  HWND window = WaitForMonitorWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WaitForConfig("Device", 0));
  EXPECT_EQ(WaitForSingleObject(monitor, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(monitor, 5000), WAIT_OBJECT_0);
}

TEST_F(MonitorEndToEnd, ExitDuringALongSyncEndsTheProcessInTime) {
  // Every status poll answers busy: the sync would take minutes.
  ASSERT_EQ(Sim("busy 1000").exitCode, 0u);
  HANDLE monitor = Start();
  HWND window = WaitForMonitorWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return CaptureHas("get   ok   04 03"); }, 10000))
      << Sim("capture").output;
  const auto start = Clock::now();
  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(monitor, 10000), WAIT_OBJECT_0);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  std::printf("monitor ended %lld ms after WM_CLOSE\n", static_cast<long long>(ms));
  EXPECT_LE(ms, 2200);
}

}  // namespace
}  // namespace brelfx
