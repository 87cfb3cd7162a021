// Scripted misbehaviour: failed calls, busy and failing status, corrupted
// checksums and a keyboard that leaves.
#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

const Bytes kCapsReport{0x13, 0x06, 0x01, 0x39, 0x53, 0x00};

using Faults = SimFixture;

TEST_F(Faults, FailedSetFeatureCallsLoseTheirReport) {
  keyboard.faults().FailSetCount = 2;
  EXPECT_EQ(Set(kCapsReport), 0);
  EXPECT_EQ(Set(kCapsReport), 0);
  EXPECT_EQ(state->Profiles[1].CapsLockCode, 0xFF);
  EXPECT_EQ(Set(kCapsReport), 1);
  EXPECT_EQ(state->Profiles[1].CapsLockCode, 0x39);
}

TEST_F(Faults, FailedGetFeatureCallsAnswerNothing) {
  keyboard.faults().FailGetCount = 1;
  EXPECT_EQ(Status(), -1);
  EXPECT_EQ(Status(), kStatusDone);
}

TEST_F(Faults, BusyAnswersComeBeforeScriptedStatusThenTheRealOne) {
  keyboard.faults().BusyCount = 2;
  keyboard.faults().StatusCount = 1;
  keyboard.faults().StatusValue = kStatusAgain;
  Set(kCapsReport);
  EXPECT_EQ(Status(), kStatusBusy);
  EXPECT_EQ(Status(), kStatusBusy);
  EXPECT_EQ(Status(), kStatusAgain);
  EXPECT_EQ(Status(), kStatusDone);
  // The update loader's status report is answered the same way.
  keyboard.faults().BusyCount = 1;
  EXPECT_EQ(Get(kUpdateStatusReport, 3)[1], kStatusBusy);
}

TEST_F(Faults, CorruptionHitsTheNextChecksummedReadOnly) {
  keyboard.faults().CorruptCount = 1;
  Set({kControlReport, 1, 0x90});
  EXPECT_EQ(Status(), kStatusDone);  // the status has no checksum and is left alone
  Bytes first = Get(kCapsLockReport, 6);
  EXPECT_FALSE(ChecksumMatches(first.data(), 6));
  EXPECT_EQ(first[3], 0xFF);  // the content itself is intact
  EXPECT_TRUE(ChecksumMatches(Get(kCapsLockReport, 6).data(), 6));
}

TEST_F(Faults, UnpluggedKeyboardNeedsPlugAndReopen) {
  ASSERT_EQ(keyboard.OpenDevMonitor(0x10, 1325, 1326), 1);
  EXPECT_TRUE(keyboard.Unplug());
  EXPECT_EQ(Set(kCapsReport), 0);
  EXPECT_EQ(Status(), -1);
  EXPECT_EQ(keyboard.OpenFeatureDevice(), 0);
  EXPECT_TRUE(keyboard.Plug());
  EXPECT_EQ(Status(), -1);  // the channel opened before the unplug is dead
  EXPECT_EQ(keyboard.OpenFeatureDevice(), 1);
  EXPECT_EQ(Status(), kStatusDone);
  EXPECT_EQ(posted, (std::vector<PostedMessage>{{0x10, 1326, 0, 0}, {0x10, 1326, 1, 0}}));
}

TEST_F(Faults, UnplugAfterServesTheGivenCallsFirst) {
  keyboard.OpenDevMonitor(0x10, 1325, 1326);
  keyboard.faults().UnplugAfterCalls = 2;
  EXPECT_EQ(Set(kCapsReport), 1);
  EXPECT_EQ(Status(), kStatusDone);
  EXPECT_TRUE(posted.empty());
  EXPECT_EQ(Status(), -1);
  EXPECT_FALSE(state->Plugged);
  EXPECT_EQ(posted, (std::vector<PostedMessage>{{0x10, 1326, 0, 0}}));
  EXPECT_EQ(keyboard.faults().UnplugAfterCalls, -1);
}

TEST_F(Faults, ResetKeepsListenersAndBringsTheKeyboardBack) {
  keyboard.OpenDevMonitor(0x10, 1325, 1326);
  keyboard.faults().BusyCount = 5;
  Set(kCapsReport);
  keyboard.Unplug();
  keyboard.Reset();
  EXPECT_TRUE(state->Plugged);
  EXPECT_EQ(state->Faults.BusyCount, 0);
  EXPECT_EQ(state->Profiles[1].CapsLockCode, 0xFF);
  EXPECT_EQ(posted.back(), (PostedMessage{0x10, 1326, 1, 0}));
  EXPECT_EQ(state->Monitors[0].ClientId, 7u);
}

}  // namespace
}  // namespace brelfx::sim::test
