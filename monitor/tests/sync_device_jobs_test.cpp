#include "monitor/keyboard/sync_device_jobs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "device/tests/memory_sync_store.h"
#include "monitor/monitor_messages.h"
#include "monitor/tests/monitor_fakes.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

using Entries = std::vector<std::string>;

class SyncDeviceJobsTest : public ::testing::Test {
 protected:
  SyncDeviceJobsTest() {
    SetDefaults(*settings, 1033);
    settings->CurrentProfile = 1;
    settings->Profiles[1].SoundLRecord = 1;
  }

  test::FakeZendrel zendrel;
  ZendrelApi api = test::FakeZendrel::Api();
  test::VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink link{api, clock, cancel};
  test::MemorySyncStore store;
  DeferredSyncEffects effects{store};
  DeviceSync sync{link, effects, [] { return std::int64_t{0}; }, effects.notifications()};
  std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
  test::EventLog log;
  test::FakeAnnouncements announcements{log};
  SyncDeviceJobs jobs{sync, effects, *settings, announcements};
};

TEST_F(SyncDeviceJobsTest, RecordingStepsAreSpokenWhenTheProfileAsks) {
  for (std::uint16_t value : {0x0105, 0x0205, 0x0405, 0x0505, 0x0605, 0x0005})
    jobs.LiveRecordingNotification(*settings, value);
  EXPECT_EQ(log.entries(),
            (Entries{"announce 603", "announce 604", "announce 606", "announce 607"}));

  settings->Profiles[1].SoundLRecord = 0;
  jobs.LiveRecordingNotification(*settings, 0x0205);
  EXPECT_EQ(log.entries().size(), 4u);
}

TEST_F(SyncDeviceJobsTest, StepThreeFetchesTheRecordedMacroOfTheKey) {
  jobs.LiveRecordingNotification(*settings, 0x0305);  // the keyboard does not answer: three tries
  const auto ids = zendrel.readIds();
  EXPECT_EQ(std::count(ids.begin(), ids.end(), 0x0E), 3);
  EXPECT_TRUE(log.entries().empty());
}

// The fake keyboard answers no read: the sync fails, and the tray still gets
// its plain tip back.
TEST_F(SyncDeviceJobsTest, AFullSyncThatFailsStillRestoresTheTrayTip) {
  test::FakeTray tray{log};
  SyncTrayTip tip{tray};
  DeviceSync observed{
      link, effects, [] { return std::int64_t{0}; }, effects.notifications(),
      SyncProgressObservers{{}, [&](int done, int planned) { tip.Show(done, planned); }}};
  SyncDeviceJobs withTip{observed, effects, *settings, announcements, &tip};

  withTip.FullDeviceSync(*settings);
  const auto tips = log.Matching("tray tip ");
  ASSERT_GE(tips.size(), 2u);
  EXPECT_EQ(tips.back(), std::string("tray tip ") + kTrayTip);
}

}  // namespace
}  // namespace brelfx
