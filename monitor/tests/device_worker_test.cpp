#include "monitor/device_worker.h"

#include <gtest/gtest.h>

#include <chrono>

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
  test::FakeJobs jobs{log, flags.cancel()};
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

TEST_F(DeviceWorkerTest, StopCancelsALongJobWellWithinItsTime) {
  jobs.syncLastsUntilCancelled = true;
  ASSERT_TRUE(worker.Start());
  worker.Post(kJobFullSync, 0);
  ASSERT_TRUE(log.WaitFor("job 2"));
  EXPECT_TRUE(flags.busy());

  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(worker.Stop(1000));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
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
