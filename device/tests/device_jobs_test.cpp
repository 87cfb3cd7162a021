// The short sequences: the stamp check at connection, profile switch and the
// fetch of a macro recorded on the keyboard.
#include <gtest/gtest.h>

#include "device/macro_report.h"
#include "device/tests/fake_sync_fixture.h"

namespace brelfx {
namespace {

constexpr std::int64_t kNow = test::kFakeNow;

class DeviceJobsTest : public test::FakeSyncTest {
 protected:
  // The keyboard holds a recorded macro on key `key` of profile `slot`.
  void KeyboardRecorded(int slot, int key) {
    auto source = test::DefaultBlock();
    test::GiveMacro(*source, slot, key, 4);
    fake.Answer(BuildMacroReport(source->Profiles[slot], slot, key));
  }
};

TEST_F(DeviceJobsTest, InStepOnlyWhenBothStampsExistAndMatchByteForByte) {
  const SettingsStamp stamp = MakeSettingsStamp(kNow);
  EXPECT_FALSE(sync.CheckStamp());  // the keyboard does not answer

  fake.Answer(BuildStampReport(stamp));
  EXPECT_FALSE(sync.CheckStamp());  // nothing stored: a first connection

  SettingsStamp other = stamp;
  other.Bytes[15] = 1;
  store.stamp = other;
  EXPECT_FALSE(sync.CheckStamp());

  store.stamp = stamp;
  EXPECT_TRUE(sync.CheckStamp());
  EXPECT_TRUE(sync.inStep());

  Report corrupted = BuildStampReport(stamp);
  corrupted.back() ^= 1;
  fake.Answer(corrupted);
  EXPECT_FALSE(sync.CheckStamp());
  EXPECT_FALSE(sync.inStep());
}

TEST_F(DeviceJobsTest, SwitchProfileSendsTheCurrentProfile) {
  block->CurrentProfile = 3;
  sync.SwitchProfile(*block);
  ASSERT_EQ(fake.sent().size(), 1u);
  EXPECT_EQ(fake.sent()[0], (Report{0x05, 0x03, 0x03}));
}

TEST_F(DeviceJobsTest, FetchedMacroIsPublishedStampedSavedThenAnnounced) {
  block->CurrentProfile = 2;
  KeyboardRecorded(2, 36);
  sync.FetchLiveRecordedMacro(*block, 0x0325);  // step 3, key item 37

  EXPECT_EQ(block->Profiles[2].MacroKeyInfo[36].FunctionCode, kFnMacro);
  EXPECT_EQ(block->Profiles[2].MacroKeyInfo[36].ActionCount, 4);
  EXPECT_EQ(events, (std::vector<std::string>{"publish", "reloaded", "sound"}));
  EXPECT_EQ(store.stamp, MakeSettingsStamp(kNow));
  ASSERT_EQ(store.saves, 1);
  EXPECT_EQ(store.saved->Profiles[2].MacroKeyInfo[36].ActionCount, 4);
  EXPECT_EQ(fake.sent().back()[0], kStampReport.id);
}

TEST_F(DeviceJobsTest, FetchedMacroIsSilentWhenTheProfileMutesRecording) {
  block->CurrentProfile = 0;
  block->Profiles[0].SoundLRecord = 2;
  KeyboardRecorded(0, 0);
  sync.FetchLiveRecordedMacro(*block, 0x0301);
  EXPECT_EQ(events, (std::vector<std::string>{"publish", "reloaded"}));
}

TEST_F(DeviceJobsTest, FetchTriesThreeTimesThenDoesNothing) {
  block->CurrentProfile = 1;
  KeyboardRecorded(1, 5);
  fake.FailNextGets(2);  // the first attempt's status poll and read
  sync.FetchLiveRecordedMacro(*block, 0x0306);
  EXPECT_EQ(store.saves, 1);

  fake.FailNextGets(6);  // request poll and read of each of the three attempts
  block->Profiles[1].MacroKeyInfo[5].ActionCount = 0;
  sync.FetchLiveRecordedMacro(*block, 0x0306);
  EXPECT_EQ(block->Profiles[1].MacroKeyInfo[5].ActionCount, 0);
  EXPECT_EQ(store.saves, 1);
  EXPECT_EQ(store.stampWrites, 1);
}

TEST_F(DeviceJobsTest, FetchIgnoresKeysOutsideTheRecordableRange) {
  block->CurrentProfile = 0;
  for (std::uint16_t value : {0x0300, 0x0326, 0x03FF}) sync.FetchLiveRecordedMacro(*block, value);
  block->CurrentProfile = 5;
  sync.FetchLiveRecordedMacro(*block, 0x0301);
  EXPECT_TRUE(fake.calls().empty());
  EXPECT_EQ(clock.NowMs(), 0);
}

}  // namespace
}  // namespace brelfx
