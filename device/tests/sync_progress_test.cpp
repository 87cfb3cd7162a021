// What the observers of a long sequence hear, against the simulated keyboard.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "device/change_writes.h"
#include "device/tests/sim_sync_fixture.h"
#include "device/tests/travelling_settings.h"

namespace brelfx {
namespace {

using Heard = std::vector<std::pair<int, int>>;  // (done, planned)

class SyncProgressTest : public test::SimSyncTest {
 protected:
  // Counts of done never go back, and the last one is the whole plan.
  static void ExpectRisingToTheEnd(const Heard& heard) {
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.front().first, 0);
    for (std::size_t i = 1; i < heard.size(); ++i)
      EXPECT_GE(heard[i].first, heard[i - 1].first) << i;
    EXPECT_EQ(heard.back().first, heard.back().second);
  }

  Heard sending;
  Heard reading;
  DeviceSync observed{link,
                      store,
                      [] { return test::kSyncNow; },
                      {},
                      SyncProgressObservers{
                          [this](int done, int planned) { sending.emplace_back(done, planned); },
                          [this](int done, int planned) { reading.emplace_back(done, planned); }}};
};

TEST_F(SyncProgressTest, SendingPlansExactlyTheReportsTheKeyboardReceives) {
  test::AlterEverythingThatTravels(*block);
  MarkEverythingChanged(*block);
  EXPECT_TRUE(observed.SendChanges(*block));

  ExpectRisingToTheEnd(sending);
  EXPECT_EQ(static_cast<std::size_t>(sending.back().second), Received().size());
  EXPECT_EQ(sending.size(), Received().size() + 1);  // 0 first, then one per report
  EXPECT_TRUE(reading.empty());
}

// Restoring the defaults is an apply as well: the option window's bar and
// the keyboard's reports agree as for Send changes.
TEST_F(SyncProgressTest, RestoringDefaultsIsHeardLikeSending) {
  EXPECT_TRUE(observed.RestoreDefaults());
  ExpectRisingToTheEnd(sending);
  EXPECT_EQ(static_cast<std::size_t>(sending.back().second), Received().size());
  EXPECT_EQ(sending.size(), Received().size() + 1);
  EXPECT_TRUE(reading.empty());
}

TEST_F(SyncProgressTest, ReadingReplansOnceTheKeyboardsMacroKeysAreKnown) {
  ASSERT_TRUE(AlteredElsewhere());
  // The local block has no macro keys; the keyboard has three per profile.
  ASSERT_FALSE(observed.CheckStamp());
  EXPECT_TRUE(observed.FullDeviceSync(*block));

  ExpectRisingToTheEnd(reading);
  EXPECT_EQ(reading.front().second, 2 + 40);
  EXPECT_EQ(reading.back().second, 2 + 40 + 3 * kProfileCount);
}

TEST_F(SyncProgressTest, InStepReadingPlansTheTwoReportsItReads) {
  observed.NewStamp();
  ASSERT_TRUE(observed.CheckStamp());
  EXPECT_TRUE(observed.FullDeviceSync(*block));
  EXPECT_EQ(reading, (Heard{{0, 2}, {1, 2}, {2, 2}}));
}

}  // namespace
}  // namespace brelfx
