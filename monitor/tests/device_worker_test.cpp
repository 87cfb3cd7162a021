#include "monitor/keyboard/device_worker.h"

#include <gtest/gtest.h>

#include <atomic>

#include "monitor/monitor_messages.h"
#include "monitor/tests/monitor_fakes.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

const std::vector<std::uint8_t> kHostStateOn = {0x15, 0x03, 0x01};

class DeviceWorkerTest : public ::testing::Test {
 protected:
  DeviceWorkerTest() {
    SetDefaults(*settings, 1033);
    settings->Profiles[settings->CurrentProfile].MediaOption = 0;  // host state 1 stays 1
  }

  int HostStatesOn() const {
    int count = 0;
    for (const auto& report : zendrel.sent()) count += report == kHostStateOn;
    return count;
  }

  test::FakeZendrel zendrel;
  ZendrelApi api = test::FakeZendrel::Api();
  test::VirtualClock clock;
  WorkerFlags flags;
  ReportLink link{api, clock, flags.cancel()};
  std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
  HostStateReport hostState{link};
  test::EventLog log;
  test::FakeJobs jobs{log, flags.cancel(), clock};
  DeviceState deviceState{kDeviceConnected};
  DeviceWorker worker{jobs, hostState, deviceState, flags, *settings, {}};
};

TEST_F(DeviceWorkerTest, SyncAndProfileSwitchAreEachFollowedByHostStateOn) {
  ASSERT_TRUE(worker.Start());
  worker.Post(kJobFullSync, 0);
  worker.Post(kJobSwitchProfile, 0);
  worker.Post(kJobLiveRecording, 0x0102);
  worker.Post(9, 0);  // no such job
  worker.Post(kJobLiveRecording, 7);
  ASSERT_TRUE(log.WaitFor("job 4 7"));
  EXPECT_EQ(log.entries(), (std::vector<std::string>{"job 2", "job 3", "job 4 258", "job 4 7"}));
  EXPECT_EQ(HostStatesOn(), 2);
  EXPECT_TRUE(worker.Stop(1000));
}

// In virtual time: a cancel an hour into a job that would never end stops
// it at its next 100 ms pause.
TEST_F(DeviceWorkerTest, CancelEndsALongJobAtItsNextPause) {
  jobs.syncLastsUntilCancelled = true;
  constexpr std::int64_t kCancelAtMs = 3'600'000;
  std::atomic<std::int64_t> cancelledAt{-1};
  clock.onSleep = [&](std::int64_t nowMs) {
    if (nowMs < kCancelAtMs || cancelledAt.load() >= 0) return;
    EXPECT_TRUE(flags.busy());
    cancelledAt = nowMs;
    flags.Cancel();  // what Stop does first
  };
  ASSERT_TRUE(worker.Start());
  worker.Post(kJobFullSync, 0);
  ASSERT_TRUE(log.WaitFor("job 2 cancelled"));
  EXPECT_LE(clock.NowMs() - cancelledAt.load(), 100);

  EXPECT_TRUE(worker.Stop(1000));
  EXPECT_EQ(log.Count("job 2 cancelled"), 1);
  EXPECT_EQ(HostStatesOn(), 0);
  EXPECT_FALSE(flags.busy());
  EXPECT_FALSE(flags.cancelled());
}

TEST_F(DeviceWorkerTest, CancelOutsideAJobIsNotKept) {
  flags.Cancel();
  EXPECT_FALSE(flags.cancelled());
}

}  // namespace
}  // namespace brelfx
