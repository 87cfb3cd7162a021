#include <gtest/gtest.h>

#include <cstring>

#include "device/change_writes.h"
#include "device/key_layer_reports.h"
#include "device/macro_report.h"
#include "device/tests/fake_sync_fixture.h"

namespace brelfx {
namespace {

constexpr std::int64_t kNow = test::kFakeNow;

using SendChangesTest = test::FakeSyncTest;

TEST_F(SendChangesTest, OneChangedZonixMacroKeySendsItsLayerItsMacroAndAStamp) {
  test::GiveMacro(*block, 2, 12, 3);
  block->KeyChanged[2][12] = 1;
  EXPECT_TRUE(sync.SendChanges(*block));

  const auto sent = fake.sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0], BuildKeyLayerReport(kZonixLayer, block->Profiles[2], 2));
  EXPECT_EQ(sent[1], BuildMacroReport(block->Profiles[2], 2, 12));
  EXPECT_EQ(sent[2], BuildStampReport(MakeSettingsStamp(kNow)));
  EXPECT_EQ(store.stamp, MakeSettingsStamp(kNow));
  // Zonix poll 500 and settle 200, macro poll 500, stamp poll 200.
  EXPECT_EQ(clock.NowMs(), 1400);
}

TEST_F(SendChangesTest, OnlyFlagsEqualToOneCount) {
  std::memset(block->KeyChanged, 0x01, sizeof(block->KeyChanged));
  std::memset(block->UpdateFlags, 0x01, sizeof(block->UpdateFlags));
  for (int p = 0; p < kProfileCount; ++p) test::GiveMacro(*block, p, 3, 1);
  EXPECT_TRUE(sync.SendChanges(*block));
  EXPECT_EQ(SentIds(), std::vector<std::uint8_t>{kStampReport.id});

  block->UpdateFlags[0] = block->UpdateFlags[4] = 1;  // flags that call for no report
  block->KeyChanged[3][kKeyVexaCapsLk] = 1;
  block->KeyChanged[1][40] = -1;
  EXPECT_TRUE(sync.SendChanges(*block));
  EXPECT_EQ(SentIds(), (std::vector<std::uint8_t>{kStampReport.id, kStampReport.id}));
}

TEST_F(SendChangesTest, EveryFlagSendsEveryReportInOrderWithItsPauses) {
  for (int p = 0; p < kProfileCount; ++p) {
    test::GiveMacro(*block, p, 0, 2);
    test::GiveMacro(*block, p, 35, 2);
  }
  MarkEverythingChanged(*block);
  block->KeyChanged[4][35] = 0;  // a macro that did not change is not sent
  EXPECT_TRUE(sync.SendChanges(*block));

  std::vector<std::uint8_t> expected{0x05};
  for (std::uint8_t id : {0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0D, 0x10, 0x13})
    expected.insert(expected.end(), kProfileCount, id);
  expected.insert(expected.end(), 9, 0x0E);
  expected.push_back(0x14);
  EXPECT_EQ(SentIds(), expected);

  const auto sent = fake.sent();
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(sent[41 + i][kMacroProfileOffset], i / 2) << i;
    EXPECT_EQ(sent[41 + i][kMacroKeyOffset], i % 2 == 0 ? 0 : 35) << i;
  }
  // Status poll and settle pause of each write: profile select 100+200; per
  // profile key enable, F-key, Zonix, media 500+200 each, thumb and macro key
  // 200+200, illumination and Caps Lock 100+100; macros 500; stamp 200.
  EXPECT_EQ(clock.NowMs(), 300 + 5 * (4 * 700 + 2 * 400 + 2 * 200) + 9 * 500 + 200);
}

TEST_F(SendChangesTest, AFailedMacroWriteEndsTheMacrosButStillStamps) {
  test::GiveMacro(*block, 1, 4, 2);
  test::GiveMacro(*block, 3, 7, 2);
  block->KeyChanged[1][4] = block->KeyChanged[3][7] = 1;
  block->KeyChanged[1][30] = 1;  // a thumb key write before the macros
  // Thumb keys, the macro key layers of profiles 1 and 3, then the macro.
  fake.ScriptStatus({kStatusDone, kStatusDone, kStatusDone, 4});
  EXPECT_FALSE(sync.SendChanges(*block));
  EXPECT_EQ(SentIds(), (std::vector<std::uint8_t>{0x0B, 0x0D, 0x0D, 0x0E, 0x14}));
  EXPECT_EQ(store.stamp, MakeSettingsStamp(kNow));

  fake.FailNextSets(4);  // the macro is not delivered at all
  EXPECT_FALSE(sync.SendChanges(*block));
  EXPECT_EQ(SentIds().size(), 6u);  // only the new stamp got through
  EXPECT_EQ(store.stampWrites, 2);
}

TEST_F(SendChangesTest, AFailedSettingsWriteGoesUnnoticed) {
  block->UpdateFlags[kUpdateIlluminationFirst + 2] = 1;
  block->KeyChanged[0][kKeyCapsLk] = 1;
  fake.ScriptStatus({2});
  EXPECT_TRUE(sync.SendChanges(*block));
  EXPECT_EQ(SentIds(), (std::vector<std::uint8_t>{0x10, 0x13, 0x14}));
}

TEST_F(SendChangesTest, FlagsAreLeftAsTheyWere) {
  block->KeyChanged[0][40] = 1;
  block->UpdateFlags[kUpdateProfileSelect] = 1;
  auto before = test::DefaultBlock();
  std::memcpy(before.get(), block.get(), sizeof(SettingsBlock));
  sync.SendChanges(*block);
  EXPECT_TRUE(test::SameBlock(*before, *block));
}

TEST_F(SendChangesTest, RestoreDefaultsStampsOnlyWhenTheKeyboardConfirms) {
  fake.ScriptStatus({4});
  EXPECT_FALSE(sync.RestoreDefaults());
  EXPECT_EQ(store.stampWrites, 0);
  EXPECT_TRUE(sync.RestoreDefaults());
  EXPECT_EQ(SentIds(), (std::vector<std::uint8_t>{0x11, 0x11, 0x14}));
  EXPECT_EQ(store.stamp, MakeSettingsStamp(kNow));
}

TEST(SettingsStamp, HoldsTheSecondsLittleEndianThenZeros) {
  const SettingsStamp stamp = MakeSettingsStamp(0x12345678);
  const SettingsStamp expected{{0x78, 0x56, 0x34, 0x12}};
  EXPECT_EQ(stamp, expected);
  // Past 2106 the 32 bits wrap rather than spill into byte 4.
  EXPECT_EQ(MakeSettingsStamp(0x1'0000'0002).Bytes[0], 2);
  EXPECT_EQ(MakeSettingsStamp(0x1'0000'0002).Bytes[4], 0);
  const std::int64_t now = SystemSecondsSince1970();
  EXPECT_GT(now, 1'600'000'000);  // the wall clock, not the steady one
}

}  // namespace
}  // namespace brelfx
