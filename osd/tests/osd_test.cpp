// The on-screen display's decisions: the look from the two display values,
// its place on the screen, and the notices read from the shared block.
#include <gtest/gtest.h>

#include <memory>

#include "osd/osd_look.h"
#include "osd/osd_notice.h"
#include "settings/shared_catalogue.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

TEST(OsdLook, DisplayValuesGiveCornerAndOpacity) {
  // A new config.ini holds zeros: bottom right, mostly opaque.
  const OsdLook fresh = LookFromPackedValues(0);
  EXPECT_EQ(fresh.corner, OsdCorner::kBottomRight);
  EXPECT_EQ(fresh.opacityPercent, 85);

  const OsdLook topLeft = LookFromPackedValues(3u << 16 | 60);
  EXPECT_EQ(topLeft.corner, OsdCorner::kTopLeft);
  EXPECT_EQ(topLeft.opacityPercent, 60);
  EXPECT_EQ(topLeft.Alpha(), 153);

  // Out of range: a corner that does not exist, an invisible or overfull
  // display.
  const OsdLook odd = LookFromPackedValues(9u << 16 | 5);
  EXPECT_EQ(odd.corner, OsdCorner::kBottomRight);
  EXPECT_EQ(odd.opacityPercent, 20);
  EXPECT_EQ(LookFromDisplayValues(1, 250).opacityPercent, 100);
  EXPECT_EQ(LookFromDisplayValues(-1, -1).opacityPercent, 100);  // low 16 bits: 65535
}

TEST(OsdLook, OriginKeepsTheDisplayInsideTheWorkArea) {
  const OsdArea work{0, 0, 1280, 994};  // a taskbar below
  EXPECT_EQ(OsdOrigin(OsdCorner::kBottomRight, work, 300, 84), (OsdPoint{956, 886}));
  EXPECT_EQ(OsdOrigin(OsdCorner::kTopLeft, work, 300, 84), (OsdPoint{24, 24}));
  EXPECT_EQ(OsdOrigin(OsdCorner::kBottomLeft, {100, 0, 900, 600}, 300, 84), (OsdPoint{124, 492}));
}

TEST(OsdNotice, ProfileAndBrightnessComeFromTheCurrentProfile) {
  auto block = std::make_unique<SettingsBlock>();
  block->CurrentProfile = 2;
  SetTextField(block->Profiles[2].ProFileName, "Raid night");
  block->Profiles[2].LtBrightness = 5;

  const auto profile = NoticeFor(WM_PROFILE_SWITCHED, *block);
  ASSERT_TRUE(profile);
  EXPECT_EQ(profile->kind, OsdNotice::Kind::kProfile);
  EXPECT_EQ(profile->profileNumber, 3);
  EXPECT_EQ(profile->profileName, "Raid night");

  const auto brightness = NoticeFor(WM_BRIGHTNESS_CHANGED, *block);
  ASSERT_TRUE(brightness);
  EXPECT_EQ(brightness->kind, OsdNotice::Kind::kBrightness);
  EXPECT_EQ(brightness->brightnessStep, 6);

  SetTextField(block->Profiles[2].ProFileName, "");
  EXPECT_EQ(NoticeFor(WM_PROFILE_SWITCHED, *block)->profileName, "Profile 3");
  block->Profiles[2].LtBrightness = 40;  // a block from a damaged file
  EXPECT_EQ(NoticeFor(WM_BRIGHTNESS_CHANGED, *block)->brightnessStep, 6);

  EXPECT_FALSE(NoticeFor(WM_COUNTERS_CHANGED, *block));
  block->CurrentProfile = -1;
  EXPECT_FALSE(NoticeFor(WM_PROFILE_SWITCHED, *block));
}

}  // namespace
}  // namespace brelfx
