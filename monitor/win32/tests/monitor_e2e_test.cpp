// The real BrelFXMonitor.exe with the stand-in zendrel.dll and brelfx-sim
// under Wine. Each test copies the monitor, the library and a stand-in
// option application into a fresh folder (the program folder the monitor
// works in) and gives the simulated keyboard its own state file.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "monitor/win32/tests/monitor_folder_test.h"
#include "platform/win32/handles.h"
#include "settings/settings_block.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

using Clock = std::chrono::steady_clock;
using test::WaitUntil;

class MonitorEndToEnd : public test::MonitorFolderTest {
 protected:
  bool CaptureHas(const std::string& text) {
    return Sim("capture").output.find(text) != std::string::npos;
  }
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
