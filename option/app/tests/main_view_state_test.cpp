// What "refresh everything" shows: the Vexa key position, the windows-profile
// markers, the slot swatches and the window-wide switches.
#include "option/app/main_view_state.h"

#include <gtest/gtest.h>

#include <memory>

#include "settings/block_defaults.h"

namespace brelfx {
namespace {

std::unique_ptr<SettingsBlock> DefaultBlock() {
  auto block = std::make_unique<SettingsBlock>();
  SetDefaults(*block, 1033);
  return block;
}

// A profile in which no key carries a Vexa function.
std::unique_ptr<ProfileRecord> ProfileWithoutVexa() {
  auto profile = std::make_unique<ProfileRecord>();
  SetProfileDefaults(*profile, 0);
  for (KeyAssignment& key : profile->MacroKeyInfo) key.FunctionCode = kFnStandard;
  return profile;
}

struct VexaKey {
  int keyIndex;
  int position;
};

class VexaKeyPositionTest : public testing::TestWithParam<VexaKey> {};

TEST_P(VexaKeyPositionTest, EitherVexaCodeOnTheKeyGivesItsPosition) {
  for (std::uint8_t code : {std::uint8_t{0xFF}, std::uint8_t{0x8C}}) {
    auto profile = ProfileWithoutVexa();
    profile->MacroKeyInfo[GetParam().keyIndex].FunctionCode = code;
    EXPECT_EQ(VexaKeyPosition(*profile), GetParam().position) << "code " << int(code);
  }
}

// CapsLk, T1-T3, M1-M5.
INSTANTIATE_TEST_SUITE_P(NineKeys, VexaKeyPositionTest,
                         testing::Values(VexaKey{56, 0}, VexaKey{30, 1}, VexaKey{31, 2},
                                         VexaKey{32, 3}, VexaKey{0, 4}, VexaKey{1, 5},
                                         VexaKey{2, 6}, VexaKey{3, 7}, VexaKey{4, 8}));

TEST(VexaKeyPosition, NoneIsNineAndTheFirstInOrderWins) {
  auto profile = ProfileWithoutVexa();
  profile->MacroKeyInfo[5].FunctionCode = kFnOwnVexa;  // M-keys end at 4
  profile->MacroKeyInfo[kKeyVexaCapsLk].FunctionCode = kFnOwnVexa;
  EXPECT_EQ(VexaKeyPosition(*profile), 9);
  profile->MacroKeyInfo[3].FunctionCode = kFnOwnVexa;   // M4
  profile->MacroKeyInfo[31].FunctionCode = 0x8C;        // T2
  EXPECT_EQ(VexaKeyPosition(*profile), 2);
}

TEST(SlotSwatchColor, FollowsLightingModeAndPaletteIndex) {
  auto profile = ProfileWithoutVexa();
  profile->LtSwitch = 1;
  profile->LtColorType = 0;
  profile->FixedLtInfo = {7, 1, 1, 2, 3};
  profile->CCLtInfo = {16, 1, 10, 20, 30};
  EXPECT_EQ(SlotSwatchColor(*profile), 0x0000FFu);  // palette colour 8: red
  profile->FixedLtInfo.ColorIndex = 15;
  EXPECT_EQ(SlotSwatchColor(*profile), 0xF4BE00u);
  profile->FixedLtInfo.ColorIndex = 16;  // no palette entry: the stored colour
  EXPECT_EQ(SlotSwatchColor(*profile), 0x030201u);
  profile->LtColorType = 2;  // flow colours show the single colour
  EXPECT_EQ(SlotSwatchColor(*profile), 0x030201u);
  profile->LtColorType = 1;
  EXPECT_EQ(SlotSwatchColor(*profile), 0x1E140Au);
  profile->LtSwitch = 0;
  EXPECT_EQ(SlotSwatchColor(*profile), 0u);
}

TEST(MainView, OnlyTheWindowsProfileShowsItsOnMarker) {
  auto block = DefaultBlock();
  block->WindowsProfile = 3;
  EXPECT_EQ(ComputeMainView(*block).windowsProfile,
            (std::array<bool, 5>{false, false, false, true, false}));
  block->WindowsProfile = -1;
  EXPECT_EQ(ComputeMainView(*block).windowsProfile, (std::array<bool, 5>{}));
}

TEST(MainView, ShowsSlotNamesSwatchesFlagAndPicture) {
  auto block = DefaultBlock();
  block->CurrentProfile = 2;
  block->QuickHelpLan = 9;
  block->MouseType = 1;
  MainViewState state = ComputeMainView(*block);
  EXPECT_EQ(state.activeSlot, 2);
  EXPECT_EQ(state.slotNames[4], "Default5");
  EXPECT_EQ(state.swatchColors[2], 0x00FF00u);  // a fresh slot 3 is green
  EXPECT_EQ(state.flagIndex, 9);
  EXPECT_TRUE(state.pictureVisible);

  block->QuickHelpLan = 17;
  block->MouseType = 2;
  state = ComputeMainView(*block);
  EXPECT_EQ(state.flagIndex, 1);  // English
  EXPECT_FALSE(state.pictureVisible);
}

}  // namespace
}  // namespace brelfx
