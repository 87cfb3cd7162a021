#include "device/report_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "device/pause.h"
#include "device/report_ids.h"
#include "tests/support/fake_zendrel.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

class ReportLinkTest : public ::testing::Test {
 protected:
  Report TalkState() {
    Report report = NewSizedReport(kTalkStateReport);
    report[2] = 1;
    return report;
  }
  Report KeyEnableAnswer(std::uint8_t slot) {
    Report report = NewProfileReport(kKeyEnableReport, slot);
    report[3] = 0x3F;
    StoreChecksum(report);
    return report;
  }
  // Sets worker cancel once the virtual time reaches `atMs`.
  void CancelAt(std::int64_t atMs) {
    clock.onSleep = [this, atMs](std::int64_t now) {
      if (now >= atMs) cancel = 1;
    };
  }

  test::FakeZendrel fake;
  ZendrelApi api = test::FakeZendrel::Api();
  test::VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink link{api, clock, cancel};
};

TEST_F(ReportLinkTest, PauseWaitsWholeSlicesAndStopsOnCancel) {
  EXPECT_TRUE(Pause(clock, cancel, 250));
  EXPECT_EQ(clock.NowMs(), 200);
  EXPECT_TRUE(Pause(clock, cancel, 99));
  EXPECT_EQ(clock.NowMs(), 200);

  CancelAt(500);
  EXPECT_FALSE(Pause(clock, cancel, 2000));
  EXPECT_EQ(clock.NowMs(), 500);
  EXPECT_FALSE(Pause(clock, cancel, 50));  // already cancelled, even without waiting
}

TEST_F(ReportLinkTest, WriteSucceedsWhenTheStatusTurnsDone) {
  fake.ScriptStatus({kStatusBusy, kStatusBusy, kStatusDone});
  EXPECT_TRUE(link.Write(TalkState(), 200));
  EXPECT_EQ(clock.NowMs(), 200 + 1000 + 1500);
  EXPECT_EQ(fake.statusPolls(), 3);
  ASSERT_EQ(fake.sent().size(), 1u);
  EXPECT_EQ(fake.sent()[0], TalkState());
}

TEST_F(ReportLinkTest, TenBusyAnswersFailAfterTheFullSchedule) {
  fake.ScriptStatus({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, kStatusDone});
  EXPECT_FALSE(link.Write(TalkState(), 100));
  EXPECT_EQ(clock.NowMs(), 16600);
  EXPECT_EQ(fake.statusPolls(), 10);
}

TEST_F(ReportLinkTest, AnyOtherStatusOrAFailedPollFailsAtOnce) {
  fake.ScriptStatus({kStatusBusy, 4});
  EXPECT_FALSE(link.Write(TalkState(), 100));
  EXPECT_EQ(fake.statusPolls(), 2);

  fake.FailNextGets(1);
  EXPECT_FALSE(link.Write(TalkState(), 100));
  EXPECT_EQ(fake.readIds().size(), 3u);  // one poll attempted, no more
}

TEST_F(ReportLinkTest, FailedSetFeatureFailsWithoutPolling) {
  fake.FailNextSets(1);
  EXPECT_FALSE(link.Write(TalkState(), 500));
  EXPECT_TRUE(fake.readIds().empty());
  EXPECT_EQ(clock.NowMs(), 0);
}

TEST_F(ReportLinkTest, CancelDuringAPollPauseFailsWithoutReadingTheStatus) {
  fake.ScriptStatus({kStatusBusy, kStatusBusy});
  CancelAt(600);  // halfway through the pause before poll 2
  EXPECT_FALSE(link.Write(TalkState(), 100));
  EXPECT_EQ(fake.statusPolls(), 1);
  EXPECT_EQ(clock.NowMs(), 600);
}

TEST_F(ReportLinkTest, RequestSelectsProfileAndReportBeforeTheRead) {
  fake.Answer(KeyEnableAnswer(3));
  Report out;
  EXPECT_TRUE(link.RequestAndRead(3, kSelectorKeyEnable, kKeyEnableReport, out));
  EXPECT_EQ(out, KeyEnableAnswer(3));
  ASSERT_EQ(fake.sent().size(), 1u);
  EXPECT_EQ(fake.sent()[0], (Report{0x04, 0x03, kSelectorKeyEnable}));
  EXPECT_EQ(fake.readIds(), (std::vector<std::uint8_t>{0x04, 0x07}));
  EXPECT_EQ(clock.NowMs(), 100);
}

TEST_F(ReportLinkTest, ReadIsAttemptedEvenWhenTheRequestFails) {
  fake.Answer(KeyEnableAnswer(0));
  fake.FailNextSets(1);
  Report out;
  EXPECT_TRUE(link.RequestAndRead(0, kSelectorKeyEnable, kKeyEnableReport, out));
  EXPECT_EQ(fake.readIds(), std::vector<std::uint8_t>{0x07});
}

TEST_F(ReportLinkTest, ReadFailsOnAWrongChecksumOrAFailedGetFeature) {
  Report corrupt = KeyEnableAnswer(1);
  corrupt.back() ^= 0x01;
  fake.Answer(corrupt);
  Report out;
  EXPECT_FALSE(link.Read(kKeyEnableReport, out));

  fake.Answer(KeyEnableAnswer(1));
  fake.FailNextGets(1);
  EXPECT_FALSE(link.Read(kKeyEnableReport, out));
  EXPECT_TRUE(link.Read(kKeyEnableReport, out));

  // Reports without a checksum are taken as they come.
  fake.Answer({0x0F, 0x06, 0x21, 0x67, 0xAA, 0xBB});
  EXPECT_TRUE(link.Read(kVersionReport, out));
  EXPECT_EQ(out[2], 0x21);
}

TEST_F(ReportLinkTest, CancelBetweenRequestAndReadFailsOnlyWhereAsked) {
  fake.Answer(KeyEnableAnswer(2));
  CancelAt(100);
  Report out;
  EXPECT_FALSE(link.RequestAndRead(2, 7, kKeyEnableReport, out, /*failIfCancelled=*/true));
  EXPECT_EQ(fake.readIds(), std::vector<std::uint8_t>{});

  EXPECT_TRUE(link.RequestAndRead(2, kSelectorKeyEnable, kKeyEnableReport, out));
  EXPECT_EQ(fake.readIds(), std::vector<std::uint8_t>{0x07});  // no poll once cancelled
}

}  // namespace
}  // namespace brelfx
