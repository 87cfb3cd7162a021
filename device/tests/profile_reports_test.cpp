#include "device/profile_reports.h"

#include <gtest/gtest.h>

#include "device/report_ids.h"
#include "device/tests/report_test_blocks.h"
#include "tests/support/test_data.h"

namespace brelfx {
namespace {

using test::DefaultBlock;
using test::ReadHexFile;

TEST(KeyEnableReport, OnlySwitchesEqualToOneSetTheirBit) {
  auto block = DefaultBlock();
  const std::int32_t switches[6] = {1, 0, 1, 2, 1, 0};
  std::copy(std::begin(switches), std::end(switches), block->Profiles[3].ModifyKey);
  const Report report = BuildKeyEnableReport(block->Profiles[3], 3);
  EXPECT_EQ(report, (Report{0x07, 0x06, 0x03, 0x15, 0x25, 0x00}));

  Report read = report;
  read[3] = 0xC0 | 0x2A;  // bits 6 and 7 carry nothing
  StoreChecksum(read);
  ASSERT_TRUE(ParseKeyEnableReport(read, *block));
  const std::int32_t expected[6] = {0, 1, 0, 1, 0, 1};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), block->Profiles[3].ModifyKey));
}

TEST(IlluminationReport, FlowColourIsSentAsThreeWithThePresetColour) {
  auto block = DefaultBlock();
  ProfileRecord& profile = block->Profiles[2];
  profile.LtColorType = 2;
  profile.CCLtInfo = {30, 1, 1, 2, 3};
  const Report report = BuildIlluminationReport(profile, 2);
  EXPECT_EQ(report, ReadHexFile("device/illumination_flow_colour.hex"));

  auto read = DefaultBlock();
  read->Profiles[2].LtColorType = 0;
  read->Profiles[2].CCLtInfo = profile.CCLtInfo;
  ASSERT_TRUE(ParseIlluminationReport(report, *read));
  EXPECT_TRUE(test::SameBlock(*block, *read));
}

TEST(IlluminationReport, CustomColourTravelsWithItsOwnLightInfo) {
  auto block = DefaultBlock();
  ProfileRecord& profile = block->Profiles[0];
  profile.LtColorType = 1;
  profile.CCLtInfo = {16, 1, 200, 100, 50};
  const Report report = BuildIlluminationReport(profile, 0);
  EXPECT_EQ(report[5], 1);
  EXPECT_EQ((Report{report.begin() + 6, report.begin() + 10}), (Report{16, 200, 100, 50}));
}

TEST(IlluminationReport, AColourIndexAbove15FillsTheCustomColour) {
  auto block = DefaultBlock();
  const LightInfo preset = block->Profiles[4].FixedLtInfo;
  block->Profiles[4].CCLtInfo.Flag = 9;
  ASSERT_TRUE(ParseIlluminationReport(ReadHexFile("device/illumination_custom_colour_read.hex"),
                                      *block));
  const ProfileRecord& profile = block->Profiles[4];
  EXPECT_EQ(profile.LtColorType, 2);
  EXPECT_EQ(profile.CCLtInfo.ColorIndex, 20);
  EXPECT_EQ(profile.CCLtInfo.Flag, 9);  // the flag never travels
  EXPECT_EQ(profile.CCLtInfo.Red, 10);
  EXPECT_EQ(profile.CCLtInfo.Green, 20);
  EXPECT_EQ(profile.CCLtInfo.Blue, 30);
  EXPECT_EQ(std::memcmp(&profile.FixedLtInfo, &preset, sizeof(LightInfo)), 0);
  EXPECT_EQ(profile.LtSwitch, 1);
  EXPECT_EQ(profile.LtBreathSwitch, 1);
  EXPECT_EQ(profile.LtBrightness, 5);
  EXPECT_EQ(profile.DimmerOption, 2);
  EXPECT_EQ(profile.LtTimeout, 30);
}

TEST(ProfileReports, ReportsNamingNoSlotAreNotStored) {
  auto block = DefaultBlock();
  const auto before = DefaultBlock();
  Report keys = BuildKeyEnableReport(block->Profiles[0], 0);
  keys[2] = 5;
  EXPECT_FALSE(ParseKeyEnableReport(keys, *block));
  Report light = BuildIlluminationReport(block->Profiles[0], 0);
  light[2] = 200;
  EXPECT_FALSE(ParseIlluminationReport(light, *block));
  EXPECT_TRUE(test::SameBlock(*block, *before));
}

TEST(ProfileSelectReport, CarriesTheActiveSlotAndIgnoresSlotsAbove4) {
  auto block = DefaultBlock();
  block->CurrentProfile = 3;
  EXPECT_EQ(BuildProfileSelectReport(*block), (Report{0x05, 0x03, 0x03}));
  EXPECT_TRUE(ParseProfileSelectReport(Report{0x05, 0x03, 0x07}, *block));
  EXPECT_EQ(block->CurrentProfile, 3);
  EXPECT_TRUE(ParseProfileSelectReport(Report{0x05, 0x03, 0x02}, *block));
  EXPECT_EQ(block->CurrentProfile, 2);
}

}  // namespace
}  // namespace brelfx
