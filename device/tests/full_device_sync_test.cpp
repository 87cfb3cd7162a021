// Reading the keyboard's settings back (worker job 2) from the simulated
// keyboard.
#include <gtest/gtest.h>

#include "device/change_writes.h"
#include "device/tests/sim_sync_fixture.h"
#include "device/tests/travelling_settings.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

// The pauses of a sync before its profile reports (version, profile select)
// and of its profile reports (40 reads, each a 100 ms status poll and a
// 100 ms pause).
constexpr std::int64_t kHeadMs = 200;
constexpr std::int64_t kProfileReportsMs = 40 * 200;

class FullDeviceSyncTest : public test::SimSyncTest {
 protected:
  // Another computer writes every setting of `written` to the keyboard and
  // stamps it with a stamp of its own.
  void WrittenElsewhere() {
    test::AlterEverythingThatTravels(*written);
    MarkEverythingChanged(*written);
    ASSERT_TRUE(SentElsewhere(*written));
    ClearChangeArea(*written);
    start = clock.NowMs();
  }

  // Runs `act` on the keyboard once, when the sync has waited `afterMs`.
  void AtSyncTime(std::int64_t afterMs, std::function<void()> act) {
    clock.onSleep = [this, afterMs, act, done = false](std::int64_t now) mutable {
      if (!done && now - start == afterMs) {
        done = true;
        act();
      }
    };
  }

  bool LocalFlagsCleared() const {
    auto cleared = test::DefaultBlock();
    return std::memcmp(block->KeyChanged, cleared->KeyChanged, kChangeAreaSize) == 0;
  }

  std::unique_ptr<SettingsBlock> written = test::DefaultBlock();
  std::int64_t start = 0;
};

TEST_F(FullDeviceSyncTest, AKeyboardWrittenElsewhereIsReadBackWhole) {
  WrittenElsewhere();
  MarkEverythingChanged(*block);
  EXPECT_FALSE(sync.CheckStamp());
  EXPECT_TRUE(sync.FullDeviceSync(*block));

  EXPECT_TRUE(test::SameBlock(*block, *written));
  ASSERT_EQ(store.saves, 1);
  EXPECT_TRUE(test::SameBlock(*store.saved, *written));
  EXPECT_EQ(store.stamp, MakeSettingsStamp(test::kSyncNow));
  EXPECT_EQ(KeyboardStamp(), *store.stamp);
  EXPECT_EQ(store.fwVersion, sim::kFactoryFirmwareVersion);
  EXPECT_EQ(publishes, 1);
  EXPECT_EQ(reloads, 1);
  EXPECT_TRUE(sync.CheckStamp());  // the next connection is in step
}

TEST_F(FullDeviceSyncTest, InStepReadsOnlyVersionAndActiveProfile) {
  EXPECT_FALSE(sync.CheckStamp());  // no stamp stored yet: read everything
  EXPECT_TRUE(sync.FullDeviceSync(*block));
  ASSERT_EQ(store.stampWrites, 1);
  ASSERT_TRUE(sync.CheckStamp());

  state->ActiveProfile = 2;
  state->Profiles[1].KeyEnableMask = 0;  // changed without a new stamp: not noticed
  block->UpdateFlags[3] = 1;
  const std::int64_t before = clock.NowMs();
  EXPECT_TRUE(sync.FullDeviceSync(*block));
  EXPECT_EQ(clock.NowMs() - before, kHeadMs);
  EXPECT_EQ(block->CurrentProfile, 2);
  EXPECT_EQ(block->Profiles[1].ModifyKey[0], 1);
  EXPECT_TRUE(LocalFlagsCleared());
  EXPECT_EQ(store.stampWrites, 1);
  EXPECT_EQ(store.saves, 2);
  EXPECT_EQ(publishes, 2);
}

TEST_F(FullDeviceSyncTest, AFailedProfileReportReadIsPassedOver) {
  WrittenElsewhere();
  AtSyncTime(kHeadMs, [this] { state->Faults.CorruptCount = 1; });  // key enables of profile 0
  EXPECT_TRUE(sync.FullDeviceSync(*block));
  EXPECT_EQ(block->Profiles[0].ModifyKey[1], 1);  // as it was
  EXPECT_EQ(block->Profiles[1].ModifyKey[1], 0);
  std::memcpy(block->Profiles[0].ModifyKey, written->Profiles[0].ModifyKey,
              sizeof(written->Profiles[0].ModifyKey));
  EXPECT_TRUE(test::SameBlock(*block, *written));
  EXPECT_EQ(store.saves, 1);
  EXPECT_EQ(store.stampWrites, 1);
}

TEST_F(FullDeviceSyncTest, AFailedProfileSelectReadSavesNothingButClearsTheFlags) {
  WrittenElsewhere();
  const SettingsStamp keyboardStamp = KeyboardStamp();
  block->KeyChanged[2][40] = 1;
  AtSyncTime(100, [this] { state->Faults.FailGetCount = 1; });
  EXPECT_FALSE(sync.FullDeviceSync(*block));
  EXPECT_TRUE(LocalFlagsCleared());
  EXPECT_EQ(store.saves, 0);
  EXPECT_EQ(store.stampWrites, 0);
  EXPECT_EQ(KeyboardStamp(), keyboardStamp);
  EXPECT_EQ(publishes + reloads, 0);
}

TEST_F(FullDeviceSyncTest, AMacroReadSucceedsOnItsThirdTry) {
  WrittenElsewhere();
  AtSyncTime(kHeadMs + kProfileReportsMs, [this] { state->Faults.CorruptCount = 2; });
  EXPECT_TRUE(sync.FullDeviceSync(*block));
  EXPECT_TRUE(test::SameBlock(*block, *written));
  EXPECT_EQ(store.saves, 1);
}

TEST_F(FullDeviceSyncTest, AMacroThatFailsThreeReadsSavesNothing) {
  WrittenElsewhere();
  AtSyncTime(kHeadMs + kProfileReportsMs, [this] { state->Faults.CorruptCount = 3; });
  block->KeyChanged[0][0] = 1;
  EXPECT_FALSE(sync.FullDeviceSync(*block));
  EXPECT_TRUE(LocalFlagsCleared());
  EXPECT_EQ(store.saves, 0);
  EXPECT_EQ(store.stampWrites, 0);
  EXPECT_EQ(publishes, 0);
  // The sync ended at the failed macro: three tries of 200 ms each.
  EXPECT_EQ(clock.NowMs() - start, kHeadMs + kProfileReportsMs + 3 * 200);
}

TEST_F(FullDeviceSyncTest, ACancelBetweenProfilesKeepsWhatWasReadButMakesNoStamp) {
  WrittenElsewhere();
  const SettingsStamp keyboardStamp = KeyboardStamp();
  // Profiles 0 and 1 each have three macros (200 ms each), then their pause.
  AtSyncTime(kHeadMs + kProfileReportsMs + 700 + 700, [this] { cancel = 1; });
  EXPECT_TRUE(sync.FullDeviceSync(*block));
  ASSERT_EQ(store.saves, 1);
  EXPECT_TRUE(LocalFlagsCleared());
  EXPECT_EQ(publishes, 1);
  EXPECT_EQ(0, std::memcmp(&store.saved->Profiles[1].MacroKeyInfo[35],
                           &written->Profiles[1].MacroKeyInfo[35], sizeof(KeyAssignment)));
  EXPECT_EQ(store.saved->Profiles[2].MacroKeyInfo[35].ActionCount, 0);  // never read
  // Only a complete read-back may claim the keyboard is in step.
  EXPECT_EQ(store.stampWrites, 0);
  EXPECT_EQ(KeyboardStamp(), keyboardStamp);
}

}  // namespace
}  // namespace brelfx
