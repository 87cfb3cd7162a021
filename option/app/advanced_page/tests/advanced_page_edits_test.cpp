// What the Advanced page's controls store into the profile, checked against
// the record's own field offsets and the palette's colours.
#include "option/app/advanced_page/advanced_page_edits.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "option/skin/layout_string.h"
#include "option/skin/spin_rules.h"
#include "settings/block_defaults.h"

namespace brelfx::advanced_page {
namespace {

std::unique_ptr<ProfileRecord> DefaultProfile() {
  auto profile = std::make_unique<ProfileRecord>();
  SetProfileDefaults(*profile, 0);
  return profile;
}

// Offsets of the bytes that differ between two records.
std::vector<std::size_t> ChangedOffsets(const ProfileRecord& before, const ProfileRecord& after) {
  std::vector<std::size_t> offsets;
  const auto* a = reinterpret_cast<const unsigned char*>(&before);
  const auto* b = reinterpret_cast<const unsigned char*>(&after);
  for (std::size_t i = 0; i < sizeof(ProfileRecord); ++i)
    if (a[i] != b[i]) offsets.push_back(i);
  return offsets;
}

TEST(AdvancedPageEdits, EachSwitchWritesItsOwnFieldAndOnlyLightingSwitchesAnnounce) {
  // The record's offsets for the switches in creation order.
  constexpr std::size_t kOffsets[kSwitchCount] = {1808, 1804, 1820, 1816, 1812, 1780, 1784,
                                                  1788, 1792, 1796, 1800, 1828, 1832};
  for (int i = 0; i < kSwitchCount; ++i) {
    SCOPED_TRACE(kSwitches[i]);
    const auto before = DefaultProfile();
    auto profile = DefaultProfile();
    const bool announced = StoreSwitch(*profile, static_cast<Switch>(i), false);
    EXPECT_EQ(ChangedOffsets(*before, *profile), std::vector<std::size_t>{kOffsets[i]});
    EXPECT_FALSE(ViewOf(*profile).switches[i]);
    EXPECT_EQ(announced, i >= static_cast<int>(Switch::kLighting));
  }
}

TEST(AdvancedPageEdits, HiddenSwitchesKeepTheLoadedValues) {
  auto profile = DefaultProfile();
  profile->VolumeUpDown = 0;
  profile->SoundSens = 0;
  profile->ModifyKey[1] = 0;
  // A person can only click what is shown: every visible switch, off and on.
  for (int i = 0; i < kSwitchCount; ++i) {
    if (ParseLayoutString(kSwitches[i]).rect.Width() == 0) continue;
    StoreSwitch(*profile, static_cast<Switch>(i), false);
    StoreSwitch(*profile, static_cast<Switch>(i), true);
  }
  EXPECT_EQ(profile->VolumeUpDown, 0);
  EXPECT_EQ(profile->SoundSens, 0);
  EXPECT_EQ(profile->ModifyKey[1], 0);
  const PageView view = ViewOf(*profile);
  EXPECT_FALSE(view.switches[static_cast<int>(Switch::kVolumeSound)]);
  EXPECT_FALSE(view.switches[static_cast<int>(Switch::kSensitivitySound)]);
  EXPECT_FALSE(view.switches[static_cast<int>(Switch::kCapsLock)]);
}

TEST(AdvancedPageEdits, SwatchEightStoresIndexSevenAndRedThenCustomModeKeepsBothColours) {
  auto profile = DefaultProfile();
  ASSERT_TRUE(StoreCustomColor(*profile, MakeColorRef(10, 20, 30)));
  profile->LtColorType = 2;
  EXPECT_TRUE(StorePaletteSwatch(*profile, 8));
  EXPECT_EQ(profile->LtColorType, 0);
  EXPECT_EQ(profile->FixedLtInfo.ColorIndex, 7);
  EXPECT_EQ(profile->FixedLtInfo.Red, 255);
  EXPECT_EQ(profile->FixedLtInfo.Green, 0);
  EXPECT_EQ(profile->FixedLtInfo.Blue, 0);
  EXPECT_EQ(ViewOf(*profile).checkedSwatch, 7);
  EXPECT_EQ(SlotSwatchColor(*profile), 0x0000FFu);

  EXPECT_TRUE(StoreColorMode(*profile, ColorMode::kCustom));
  EXPECT_EQ(profile->LtColorType, 1);
  EXPECT_EQ(profile->FixedLtInfo.ColorIndex, 7);
  EXPECT_EQ(profile->FixedLtInfo.Red, 255);
  EXPECT_EQ(ViewOf(*profile).customColor, (std::array<int, 3>{10, 20, 30}));
  EXPECT_EQ(SlotSwatchColor(*profile), MakeColorRef(10, 20, 30));

  // The last swatch: blue is the high byte of the palette's COLORREF.
  EXPECT_TRUE(StorePaletteSwatch(*profile, 16));
  EXPECT_EQ(profile->FixedLtInfo.ColorIndex, 15);
  EXPECT_EQ(profile->FixedLtInfo.Red, 0);
  EXPECT_EQ(profile->FixedLtInfo.Green, 190);
  EXPECT_EQ(profile->FixedLtInfo.Blue, 244);
  const auto before = *profile;
  EXPECT_FALSE(StorePaletteSwatch(*profile, 17));
  EXPECT_FALSE(StorePaletteSwatch(*profile, 0));
  EXPECT_TRUE(ChangedOffsets(before, *profile).empty());
  profile->FixedLtInfo.ColorIndex = 16;  // a colour the palette does not hold
  EXPECT_EQ(ViewOf(*profile).checkedSwatch, -1);
}

TEST(AdvancedPageEdits, RedTypedAsThreeHundredIsStoredAs255WhenTheFieldLosesTheFocus) {
  auto profile = DefaultProfile();
  const SpinOutcome left = SpinOnKillFocus("300", SpinRange{0, kHighestColorByte, 1});
  EXPECT_EQ(left.newText, "255");
  ASSERT_TRUE(left.report);
  EXPECT_TRUE(StoreCustomColorByte(*profile, kRedSpinId, left.value));
  EXPECT_TRUE(StoreCustomColorByte(*profile, kRedSpinId + 1, 7));
  EXPECT_TRUE(StoreCustomColorByte(*profile, kRedSpinId + 2, 9));
  EXPECT_FALSE(StoreCustomColorByte(*profile, kRedSpinId + 3, 1));
  const PageView view = ViewOf(*profile);
  EXPECT_EQ(view.customColor, (std::array<int, 3>{255, 7, 9}));
  EXPECT_EQ(view.customChip, MakeColorRef(255, 7, 9));
}

TEST(AdvancedPageEdits, LightingOffShowsTheSlotBlackInEveryColourMode) {
  for (const ColorMode mode : {ColorMode::kSingle, ColorMode::kCustom, ColorMode::kFlow}) {
    auto profile = DefaultProfile();
    StoreCustomColor(*profile, MakeColorRef(1, 2, 3));
    StoreColorMode(*profile, mode);
    ASSERT_NE(SlotSwatchColor(*profile), 0u);
    EXPECT_TRUE(StoreSwitch(*profile, Switch::kLighting, false));
    EXPECT_EQ(SlotSwatchColor(*profile), 0u) << static_cast<int>(mode);
  }
}

TEST(AdvancedPageEdits, MenusStoreTheirStepAndCaptionAndIgnoreOtherIds) {
  auto profile = DefaultProfile();
  EXPECT_FALSE(StoreMenuChoice(*profile, kDimmerMenuFirst + 5));
  StoreMenuChoice(*profile, kTimeOutMenuFirst + 29);
  EXPECT_EQ(profile->DimmerOption, 5);
  EXPECT_EQ(profile->LtTimeout, 30);
  EXPECT_EQ(ViewOf(*profile).dimmerCaption, "Illumination 100%");
  EXPECT_EQ(ViewOf(*profile).timeOutCaption, "30");
  StoreMenuChoice(*profile, kTimeOutMenuFirst);
  EXPECT_EQ(profile->LtTimeout, 1);
  const auto before = *profile;
  for (unsigned id : {kDimmerMenuFirst - 1, kDimmerMenuFirst + 6, kTimeOutMenuFirst + 30})
    StoreMenuChoice(*profile, id);
  EXPECT_TRUE(ChangedOffsets(before, *profile).empty());
  EXPECT_EQ(DimmerText(0), "No illumination");
  EXPECT_EQ(DimmerText(6), "");
}

TEST(AdvancedPageEdits, SlidersStoreBrightnessAndVolumeByTheirIds) {
  auto profile = DefaultProfile();
  StoreSliderValue(*profile, kBrightnessSliderId, 5);
  StoreSliderValue(*profile, kVolumeSliderId, 0);
  EXPECT_EQ(profile->LtBrightness, 5);
  EXPECT_EQ(profile->SoundVolume, 0);
}

}  // namespace
}  // namespace brelfx::advanced_page
