// Keyboard events reaching the monitor's window: profile and brightness
// switched on the keyboard, plug events, and the events handed on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/monitor_messages.h"
#include "monitor/tests/monitor_fakes.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

using Entries = std::vector<std::string>;

class MonitorEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.files.stored->CurrentProfile = 0;
    // Only profile 2 announces profile changes.
    for (ProfileRecord& profile : rig.files.stored->Profiles) profile.SoundProfile = 0;
    rig.files.stored->Profiles[1].SoundProfile = 1;
    ASSERT_TRUE(rig.Create());
    rig.AddOptionWindow();
  }
  Entries Since(std::size_t mark) const {
    const Entries all = rig.log.entries();
    return Entries(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
  }
  std::size_t Mark() const { return rig.log.entries().size(); }

  test::MonitorRig rig;
};

TEST_F(MonitorEvents, ProfileThreeBecomesIndexTwoEverywhere) {
  rig.monitor->talk().toggle = 1;
  const SettingsBlock& settings = rig.monitor->settings();
  const ProfileRecord& third = settings.Profiles[2];
  const std::size_t mark = Mark();

  rig.Event(0x0200, 3);

  EXPECT_EQ(settings.CurrentProfile, 2);
  const std::string repeat = std::to_string(third.KBDelay) + " " + std::to_string(third.KBSpeed);
  EXPECT_EQ(Since(mark), (Entries{"CurrentProfile=2", "registry repeat " + repeat,
                                  "repeat " + repeat, "post option 1255 0"}));
  EXPECT_EQ(rig.SharedBlock()->CurrentProfile, 2);
  EXPECT_EQ(rig.monitor->talk().toggle.load(), 0);
}

// A profile file without KBDelay/KBSpeed reads -1: the user's own key repeat
// stays, in the system as in the registry.
TEST(MonitorKeyRepeat, AProfileWithoutKeyRepeatLeavesTheSystemsAlone) {
  test::MonitorRig rig;
  rig.files.stored->CurrentProfile = 0;
  rig.files.stored->Profiles[0].KBDelay = -1;
  rig.files.stored->Profiles[2].KBSpeed = 32;
  ASSERT_TRUE(rig.Create());
  rig.Event(0x0200, 3);
  rig.Event(0x0200, 2);  // a profile with values Windows knows
  const ProfileRecord& second = rig.monitor->settings().Profiles[1];
  EXPECT_EQ(rig.log.Matching("repeat "),
            (Entries{"repeat " + std::to_string(second.KBDelay) + " " + std::to_string(second.KBSpeed)}));
}

TEST_F(MonitorEvents, ProfileChangeIsAnnouncedOnlyWhenThePreviousProfileSaysSo) {
  rig.Event(0x0200, 2);  // leaves profile 1, which is silent
  EXPECT_TRUE(rig.log.Matching("announce").empty());
  rig.Event(0x0200, 3);  // leaves profile 2, which announces
  rig.Event(0x0200, 1);  // leaves profile 3, silent again
  EXPECT_EQ(rig.log.Matching("announce"), (Entries{"announce 601"}));
}

TEST_F(MonitorEvents, ProfileOutsideOneToFiveChangesNothing) {
  const std::size_t mark = Mark();
  rig.Event(0x0200, 0);
  rig.Event(0x0200, 6);
  EXPECT_TRUE(Since(mark).empty());
  EXPECT_EQ(rig.monitor->settings().CurrentProfile, 0);
}

TEST_F(MonitorEvents, BrightnessSetsTheCurrentProfileAndTellsTheOptionApplication) {
  rig.Event(0x0200, 4);
  const std::size_t mark = Mark();
  rig.Event(0x0C00, 6);
  EXPECT_EQ(rig.monitor->settings().Profiles[3].LtBrightness, 5);
  EXPECT_EQ(rig.SharedBlock()->Profiles[3].LtBrightness, 5);
  EXPECT_EQ(Since(mark), (Entries{"post option 1257 0"}));

  rig.Event(0x0C00, 7);
  rig.Event(0x0C00, 0);
  EXPECT_EQ(rig.monitor->settings().Profiles[3].LtBrightness, 5);
}

TEST_F(MonitorEvents, RemovalReleasesHeldKeysClosesTheOptionApplicationAndTheMonitorRunsOn) {
  const std::size_t mark = Mark();
  rig.Plug(0);
  EXPECT_EQ(Since(mark), (Entries{"release held keys", "tray remove", "kill timer 500", "Device=0",
                                  "post option 16 0"}));
  EXPECT_EQ(rig.monitor->deviceState(), kDeviceRemoved);
  EXPECT_EQ(rig.zendrel.calls().back(), "Close_FeatureDevice");

  const std::size_t again = Mark();
  rig.Plug(0);
  EXPECT_TRUE(Since(again).empty());

  rig.Plug(1);
  EXPECT_EQ(rig.monitor->deviceState(), kDeviceConnected);
  EXPECT_TRUE(rig.tray.visible);
}

TEST_F(MonitorEvents, ArrivalWaitsReopensAndSyncsOncePerRealArrival) {
  rig.Plug(0);
  const std::int64_t before = rig.clock.NowMs();
  const std::size_t mark = Mark();
  rig.Plug(1);
  rig.Plug(1);
  ASSERT_TRUE(rig.DrainWorker());

  EXPECT_EQ(rig.clock.NowMs() - before >= 2000, true);
  Entries onWindowThread;
  for (const std::string& entry : Since(mark))
    if (entry.rfind("job", 0) != 0) onWindowThread.push_back(entry);
  EXPECT_EQ(onWindowThread,
            (Entries{"firmware check", "check stamp", "tray add", "Device=1", "timer 500 2000"}));
  EXPECT_EQ(rig.log.Count("job 2"), 1);
  EXPECT_EQ(rig.log.Count("check stamp"), 2);  // start-up and this arrival
  EXPECT_EQ(rig.zendrel.calls()[2], "Close_FeatureDevice");
  EXPECT_EQ(rig.zendrel.calls()[3], "Open_FeatureDevice");
}

TEST_F(MonitorEvents, RemovalDuringASyncCancelsItAndLeavesNoCancelBehind) {
  rig.jobs.syncLastsUntilCancelled = true;
  rig.monitor->OnFirstSyncTimer();
  ASSERT_TRUE(rig.log.WaitFor("job 2"));
  rig.Plug(0);
  ASSERT_TRUE(rig.log.WaitFor("job 2 cancelled"));
  // Once the job has ended, the window thread's own reports go through again.
  for (int i = 0; i < 200 && rig.keyboard.workerFlags.busy(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(rig.keyboard.workerFlags.cancelled());
}

TEST_F(MonitorEvents, LiveRecordingBecomesJobFourWithTheValue) {
  rig.Event(0x0400, 0x0305);
  ASSERT_TRUE(rig.DrainWorker());
  EXPECT_EQ(rig.log.Count("job 4 773"), 1);
}

TEST_F(MonitorEvents, ProgrammableKeysOfBothTypesGoToTheKeyFunctions) {
  rig.Event(0x0D00, 0x0005);
  rig.Event(0x0E00, 0x0105);
  rig.Event(0x0D00, 0x0031);  // key number 49 does not exist
  EXPECT_EQ(rig.log.Matching("key"), (Entries{"key 5", "key 261"}));
}

TEST_F(MonitorEvents, ConfigurationEventPostsTheCommandToItsOwnWindow) {
  const std::size_t mark = Mark();
  rig.Event(0x1000, 1);
  rig.Event(0x1000, 0);
  EXPECT_EQ(Since(mark), (Entries{"post monitor 273 6001"}));
}

TEST_F(MonitorEvents, OpenOptionBringsARunningOptionApplicationToTheFront) {
  rig.monitor->OpenOptionApplication();
  EXPECT_EQ(rig.log.Matching("bring").size(), 1u);
  EXPECT_TRUE(rig.log.Matching("open C:\\Brel\\BrelFXOption").empty());
}

TEST_F(MonitorEvents, TrayIconHidesWhileATalkHubIsActive) {
  rig.monitor->talk().active = 1;
  rig.monitor->tray().Update();
  EXPECT_FALSE(rig.tray.visible);
  rig.monitor->talk().active = 0;
  rig.monitor->tray().Update();
  EXPECT_TRUE(rig.tray.visible);
}

}  // namespace
}  // namespace brelfx
