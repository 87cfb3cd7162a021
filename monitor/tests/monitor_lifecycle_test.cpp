// Window creation and destruction of the monitor, in their orders, with and
// without a keyboard and its library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "monitor/monitor_messages.h"
#include "monitor/single_instance.h"
#include "monitor/tests/monitor_fakes.h"
#include "settings/block_defaults.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

using Entries = std::vector<std::string>;

Entries Since(const test::EventLog& log, std::size_t mark) {
  const Entries all = log.entries();
  return Entries(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
}

std::string RepeatOf(const SettingsBlock& block) {
  const ProfileRecord& p = block.Profiles[block.CurrentProfile];
  return "repeat " + std::to_string(p.KBDelay) + " " + std::to_string(p.KBSpeed);
}

TEST(MonitorStartUp, WithTheKeyboardOpensItAndSchedulesTheFirstSync) {
  test::MonitorRig rig;
  ASSERT_TRUE(rig.Create());

  EXPECT_EQ(
      rig.log.entries(),
      (Entries{"register with Talk", "load settings", "mutex Tarvek_BrelFX_Keyboard_Mutex_Object",
               "post broadcast 49443 11", "player start", "timer 500 2000", "firmware check",
               "check stamp", "timer 502 200", "tray add", "Device=1",
               RepeatOf(rig.monitor->settings()), "open C:\\Brel\\BrelOSD.exe"}));
  EXPECT_EQ(rig.loader.loadedPath, "C:\\Brel\\zendrel.dll");
  EXPECT_EQ(rig.zendrel.calls(), (Entries{"Open_DevMonitor", "Open_FeatureDevice"}));
  EXPECT_EQ(rig.monitor->deviceState(), kDeviceConnected);
  EXPECT_EQ(rig.monitor->programFolder(), "C:\\Brel\\");

  // The shared block holds the settings read from the files.
  auto shared = rig.SharedBlock();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(std::memcmp(shared.get(), &rig.monitor->settings(), sizeof(SettingsBlock)), 0);
}

TEST(MonitorStartUp, FirstSyncTimerPostsOneFullSyncAndStops) {
  test::MonitorRig rig;
  ASSERT_TRUE(rig.Create());
  rig.monitor->OnFirstSyncTimer();
  ASSERT_TRUE(rig.DrainWorker());
  EXPECT_EQ(rig.log.Count("job 2"), 1);
  EXPECT_FALSE(rig.timers.Running(502));
  // The sync is followed by the host-state report with 1.
  const auto sent = rig.zendrel.sent();
  EXPECT_TRUE(std::count(sent.begin(), sent.end(), std::vector<std::uint8_t>{0x15, 0x03, 0x01}) ==
              1);
}

TEST(MonitorStartUp, WithoutKeyboardStoresDeviceZeroAndStillStartsTheDisplayProgram) {
  test::MonitorRig rig;
  rig.zendrel.SetKeyboardPresent(false);
  ASSERT_TRUE(rig.Create(/*openOption=*/true));

  EXPECT_EQ(rig.monitor->deviceState(), kDeviceNotOpened);
  EXPECT_EQ(rig.files.device, 0);
  EXPECT_FALSE(rig.tray.visible);
  EXPECT_TRUE(rig.timers.NoneRunning());
  EXPECT_EQ(rig.log.Count("check stamp"), 0);
  EXPECT_EQ(rig.log.Count("open C:\\Brel\\BrelOSD.exe"), 1);
  // The option application waits for the keyboard.
  EXPECT_TRUE(rig.log.Matching("open C:\\Brel\\BrelFXOption").empty());
  // The event channel is open, so a later plug event is heard.
  EXPECT_EQ(rig.zendrel.calls().front(), "Open_DevMonitor");
}

TEST(MonitorStartUp, WithoutTheLibraryRunsOnAndWaits) {
  test::MonitorRig rig;
  rig.loader.present = false;
  ASSERT_TRUE(rig.Create());
  EXPECT_EQ(rig.monitor->deviceState(), kDeviceNotOpened);
  EXPECT_EQ(rig.files.device, 0);
  EXPECT_TRUE(rig.zendrel.calls().empty());
  rig.Destroy();
  EXPECT_TRUE(rig.zendrel.calls().empty());
}

TEST(MonitorStartUp, OpenOptionFlagOpensTheOptionApplicationOnceTheKeyboardIsOpen) {
  test::MonitorRig rig;
  ASSERT_TRUE(rig.Create(/*openOption=*/true));
  EXPECT_EQ(rig.log.Count("open C:\\Brel\\BrelFXOption.exe"), 1);
}

TEST(MonitorStartUp, ExistingSettingsMutexRefusesTheWindowBeforeAnythingRuns) {
  test::MonitorRig rig;
  rig.settingsMutex.existsAlready = true;
  EXPECT_FALSE(rig.Create());
  EXPECT_EQ(rig.log.Count("player start"), 0);
  EXPECT_TRUE(rig.zendrel.calls().empty());
  EXPECT_EQ(rig.SharedBlock(), nullptr);
  EXPECT_EQ(rig.files.device, -1);
  // The window is destroyed at once; the keyboard hears nothing of it.
  rig.Destroy();
  EXPECT_TRUE(rig.zendrel.sent().empty());
  EXPECT_EQ(rig.log.Count("close mutex"), 1);
}

TEST(MonitorStartUp, UnsetHelpLanguageComesFromTheSystemLanguage) {
  test::MonitorRig rig;
  rig.files.stored->QuickHelpLan = -1;
  ASSERT_TRUE(rig.Create());
  EXPECT_EQ(rig.monitor->settings().QuickHelpLan, QuickHelpLanFromLanguageId(0x0407));
}

TEST(MonitorStartUp, StartedFirmwareUpgradeClosesTheMonitorWithoutSync) {
  test::MonitorRig rig;
  rig.firmware.upgrade = true;
  ASSERT_TRUE(rig.Create(/*openOption=*/true));
  EXPECT_EQ(rig.log.Count("post monitor 16 0"), 1);
  EXPECT_TRUE(rig.log.Matching("open C:\\Brel\\BrelFXOption").empty());
  EXPECT_EQ(rig.log.Count("check stamp"), 0);
  EXPECT_FALSE(rig.timers.Running(502));
  EXPECT_EQ(rig.files.device, 0);
  EXPECT_FALSE(rig.tray.visible);
}

TEST(MonitorShutDown, RunsItsStepsInOrder) {
  test::MonitorRig rig;
  ASSERT_TRUE(rig.Create());
  rig.AddOptionWindow();
  const std::size_t mark = rig.log.entries().size();
  const std::size_t callMark = rig.zendrel.calls().size();
  // A keyboard answering busy does not hold the shutdown up.
  rig.zendrel.ScriptStatus({3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
  const std::int64_t before = rig.clock.NowMs();
  rig.Destroy();
  EXPECT_LE(rig.clock.NowMs() - before, 100);

  // The tray icon goes beside the other steps.
  Entries steps = Since(rig.log, mark);
  const auto tray = std::find(steps.begin(), steps.end(), "tray remove");
  ASSERT_NE(tray, steps.end());
  steps.erase(tray);
  EXPECT_EQ(steps, (Entries{"release held keys", "kill timer 500", "kill timer 502",
                            "post option 16 0", "player stop 1000", "close mutex"}));
  EXPECT_FALSE(rig.tray.visible);
  // Host state 0 first, unconfirmed; the library is closed before the player ends.
  const Entries calls = rig.zendrel.calls();
  EXPECT_EQ(Entries(calls.begin() + static_cast<std::ptrdiff_t>(callMark), calls.end()),
            (Entries{"SetFeature", "Close_DevMonitor", "Close_FeatureDevice"}));
  EXPECT_EQ(rig.zendrel.sent().back(), (std::vector<std::uint8_t>{0x15, 0x03, 0x00}));
  EXPECT_EQ(rig.SharedBlock(), nullptr);  // the section went with the monitor
}

// The worker's job calls into the library: the library goes only once the
// worker has stopped, and the player after it.
TEST(MonitorShutDown, EndsALongSyncThroughWorkerCancelBeforeUnloadingTheLibrary) {
  test::MonitorRig rig;
  rig.jobs.syncLastsUntilCancelled = true;
  rig.loader.onFree = [&rig] {
    rig.log.Add(rig.keyboard.workerFlags.busy() ? "unload during a job" : "unload");
  };
  ASSERT_TRUE(rig.Create());
  rig.monitor->OnFirstSyncTimer();
  ASSERT_TRUE(rig.log.WaitFor("job 2"));
  rig.Destroy();
  const Entries entries = rig.log.entries();
  const Entries order = {"job 2 cancelled", "unload", "player stop 1000"};
  std::vector<std::ptrdiff_t> positions;
  for (const std::string& entry : order)
    positions.push_back(std::find(entries.begin(), entries.end(), entry) - entries.begin());
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()) &&
              positions.back() < static_cast<std::ptrdiff_t>(entries.size()))
      << ::testing::PrintToString(entries);
  EXPECT_EQ(rig.log.Count("job 2 cancelled"), 1);
  // The keyboard is left with host state 0: the cancelled job sends none.
  for (const auto& report : rig.zendrel.sent())
    EXPECT_NE(report, (std::vector<std::uint8_t>{0x15, 0x03, 0x01}));
}

}  // namespace
}  // namespace brelfx

namespace brelfx {
namespace {

TEST(MonitorInstance, SecondStartForwardsTheOptionRequestAndEnds) {
  test::EventLog log;
  test::FakeDesktop desktop;
  test::LoggingMessenger messenger(desktop, log);
  messenger.Name(desktop.AddWindow(kMonitorWindowTitle,
                                   [](unsigned, std::uintptr_t, std::intptr_t) { return 0; }),
                 "monitor");
  test::FakeNamedMutex instance(log);

  EXPECT_TRUE(BecomeTheMonitor(instance, messenger, OpenOptionRequested("1")));
  instance.existsAlready = true;
  EXPECT_FALSE(BecomeTheMonitor(instance, messenger, OpenOptionRequested("")));
  EXPECT_FALSE(BecomeTheMonitor(instance, messenger, OpenOptionRequested("1 more")));
  EXPECT_EQ(log.Matching("post"), (Entries{"post monitor 273 6001"}));
  EXPECT_EQ(log.Count("close mutex"), 2);
}

}  // namespace
}  // namespace brelfx
