#include "device/keyboard_state_reports.h"

#include <gtest/gtest.h>

#include "device/tests/report_test_blocks.h"

namespace brelfx {
namespace {

TEST(KeyboardStateReports, FixedFramesOfTheSmallReports) {
  EXPECT_EQ(BuildDefaultsCommand(), (Report{0x11, 0x03, 0x04}));
  EXPECT_EQ(BuildTalkStateReport(1, 255),
            (Report{0x16, 0x10, 0x01, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(BuildAmbientLightOffReport(),
            (Report{0x17, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(KeyboardStateReports, AmbientLightTakesTheEffectBytesAndLowBytes) {
  AmbientLightRecord record{1, 0x1234, 0x7F56, {1, 2, 3, 4, 5, 6}, {9, 9}};
  EXPECT_EQ(BuildAmbientLightReport(record),
            (Report{0x17, 0x10, 1, 2, 3, 4, 5, 6, 1, 2, 0x34, 0x56, 0, 0, 0, 0}));
  record.Mode = 0;
  EXPECT_EQ(BuildAmbientLightReport(record)[9], 1);
}

TEST(KeyboardStateReports, HostStateIsZeroWhileTheActiveProfileDrivesNoPlayer) {
  auto block = test::DefaultBlock();
  block->CurrentProfile = 2;
  block->Profiles[2].MediaOption = 4;
  EXPECT_EQ(BuildHostStateReport(*block, 1), (Report{0x15, 0x03, 0x00}));
  block->Profiles[2].MediaOption = 1;
  EXPECT_EQ(BuildHostStateReport(*block, 1), (Report{0x15, 0x03, 0x01}));
  block->CurrentProfile = -1;  // a cleared block names no profile
  EXPECT_EQ(BuildHostStateReport(*block, 1), (Report{0x15, 0x03, 0x01}));
}

TEST(KeyboardStateReports, StampAndVersionRoundTrip) {
  const SettingsStamp stamp{{0x78, 0x56, 0x34, 0x12}};
  const Report report = BuildStampReport(stamp);
  ASSERT_EQ(report.size(), 20u);
  EXPECT_EQ(report[1], 20);
  EXPECT_EQ(report[18], (0x14 + 20 + 0x78 + 0x56 + 0x34 + 0x12) & 0xFF);
  EXPECT_EQ(ParseStampReport(report), stamp);
  EXPECT_EQ(ParseStampReport(std::span(report).first(19)), std::nullopt);

  const FirmwareVersions versions = ParseVersionReport(Report{0x0F, 0x06, 0x21, 0x67, 0, 0});
  EXPECT_EQ(versions.firmware, 0x21);
  EXPECT_EQ(versions.dfu, 0x67);
}

}  // namespace
}  // namespace brelfx
