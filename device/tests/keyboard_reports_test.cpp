#include "device/keyboard_reports.h"

#include <gtest/gtest.h>

#include <atomic>

#include "device/key_layer_reports.h"
#include "device/macro_report.h"
#include "device/profile_reports.h"
#include "device/tests/report_test_blocks.h"
#include "tests/support/fake_zendrel.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

class KeyboardReportsTest : public ::testing::Test {
 protected:
  test::FakeZendrel fake;
  ZendrelApi api = test::FakeZendrel::Api();
  test::VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink link{api, clock, cancel};
  std::unique_ptr<SettingsBlock> block = test::DefaultBlock();
};

TEST_F(KeyboardReportsTest, EachWriteWaitsItsOwnFirstPauseBeforeTheStatus) {
  EXPECT_TRUE(SendKeyLayer(link, kZonixLayer, *block, 2));
  EXPECT_EQ(clock.NowMs(), 500);
  EXPECT_TRUE(SendKeyLayer(link, kThumbKeyLayer, *block, 2));
  EXPECT_EQ(clock.NowMs(), 700);
  EXPECT_TRUE(SendStamp(link, SettingsStamp{}));
  EXPECT_EQ(clock.NowMs(), 900);
  EXPECT_TRUE(SendDefaultsCommand(link));
  EXPECT_EQ(clock.NowMs(), 1400);
  const auto sent = fake.sent();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[0], BuildKeyLayerReport(kZonixLayer, block->Profiles[2], 2));
  EXPECT_EQ(sent[3], (Report{0x11, 0x03, 0x04}));
}

TEST_F(KeyboardReportsTest, HostStateSleepsFirstEvenWhenCancelled) {
  cancel = 1;
  EXPECT_FALSE(SendHostState(link, *block, 1));  // its poll is cut short
  EXPECT_EQ(clock.NowMs(), 100);
  ASSERT_EQ(fake.sent().size(), 1u);
  EXPECT_EQ(fake.sent()[0][0], 0x15);
}

TEST_F(KeyboardReportsTest, MacroWriteReturnsThePollsResult) {
  block->Profiles[1].MacroKeyInfo[4].FunctionCode = kFnMacro;
  fake.ScriptStatus({4});
  EXPECT_FALSE(SendMacro(link, *block, 1, 4));
  fake.FailNextSets(1);
  EXPECT_FALSE(SendMacro(link, *block, 1, 4));
  EXPECT_EQ(fake.statusPolls(), 1);  // none for the undelivered report
  EXPECT_TRUE(SendMacro(link, *block, 1, 4));
}

TEST_F(KeyboardReportsTest, ReadStoresOnlyAnAnswerForTheRequestedProfile) {
  auto source = test::DefaultBlock();
  source->Profiles[3].LtBrightness = 1;
  fake.Answer(BuildIlluminationReport(source->Profiles[3], 3));
  EXPECT_FALSE(ReadIllumination(link, 2, *block));
  EXPECT_EQ(block->Profiles[2].LtBrightness, 3);
  EXPECT_TRUE(ReadIllumination(link, 3, *block));
  EXPECT_EQ(block->Profiles[3].LtBrightness, 1);
  EXPECT_EQ(fake.sent().back(), (Report{0x04, 0x03, kSelectorIllumination}));
}

TEST_F(KeyboardReportsTest, MacroReadChecksProfileAndKeyOfTheAnswer) {
  auto source = test::DefaultBlock();
  source->Profiles[0].MacroKeyInfo[7].RepeatCount = 9;
  fake.Answer(BuildMacroReport(source->Profiles[0], 0, 7));
  EXPECT_FALSE(ReadMacro(link, 0, 8, *block));
  EXPECT_TRUE(ReadMacro(link, 0, 7, *block));
  EXPECT_EQ(block->Profiles[0].MacroKeyInfo[7].RepeatCount, 9);
  EXPECT_EQ(fake.sent().back(), (Report{0x04, 0x00, 0x07}));
}

TEST_F(KeyboardReportsTest, FirmwareVersionIsStoredAfterEveryRead) {
  std::vector<int> stored;
  const StoreFwVersion store = [&stored](int version) { stored.push_back(version); };
  fake.Answer({0x0F, 0x06, 0x21, 0x67, 0, 0});
  EXPECT_EQ(ReadFirmwareVersion(link, store), 0x21);
  fake.FailNextGets(1);
  EXPECT_EQ(ReadFirmwareVersion(link, store), 0);
  EXPECT_EQ(stored, (std::vector<int>{0x21, 0}));
  EXPECT_EQ(ReadVersionReport(link)->dfu, 0x67);
}

TEST_F(KeyboardReportsTest, NoSlotOrKeyOutsideTheBlockReachesTheKeyboard) {
  EXPECT_FALSE(SendKeyEnable(link, *block, 5));
  EXPECT_FALSE(SendMacro(link, *block, 0, kKeyCount));
  EXPECT_FALSE(ReadKeyLayer(link, kMediaKeyLayer, -1, *block));
  EXPECT_FALSE(ReadMacro(link, 0, -1, *block));
  EXPECT_TRUE(fake.calls().empty());
}

}  // namespace
}  // namespace brelfx
