// Decisions of the skinned controls that do not need a window: which image a
// button shows, what a numeric field keeps, menu item sizes, the drop-down
// second click and the colour strip's picking area.
#include <gtest/gtest.h>

#include "option/skin/button_image.h"
#include "option/skin/color_pick_area.h"
#include "option/skin/drop_down_guard.h"
#include "option/skin/edit_text.h"
#include "option/skin/menu_metrics.h"
#include "option/skin/skin_roles.h"
#include "option/skin/swatch_shape.h"

namespace brelfx {
namespace {

using enum ButtonImage;

struct ImageCase {
  ButtonState state;
  ButtonImage expected;
};

class ChooseButtonImageTest : public testing::TestWithParam<ImageCase> {};

TEST_P(ChooseButtonImageTest, PicksTheStateImage) {
  EXPECT_EQ(ChooseButtonImage(GetParam().state), GetParam().expected);
}

// Fields: toggleMode, checked, hover, selected, disabled.
INSTANTIATE_TEST_SUITE_P(Toggle, ChooseButtonImageTest,
                         testing::Values(ImageCase{{true, false, false, false, false}, kNormal},
                                         ImageCase{{true, false, true, false, false}, kHover},
                                         ImageCase{{true, true, true, false, false}, kPressed},
                                         // A switch shows its own state, not the press in progress.
                                         ImageCase{{true, false, false, true, false}, kNormal},
                                         ImageCase{{true, true, true, true, true}, kDisabled}));

INSTANTIATE_TEST_SUITE_P(
    Push, ChooseButtonImageTest,
    testing::Values(ImageCase{{false, false, false, false, false}, kNormal},
                    ImageCase{{false, false, true, false, false}, kHover},
                    ImageCase{{false, false, true, true, false}, kPressed},
                    ImageCase{{false, true, false, false, false}, kPressed},
                    ImageCase{{false, false, false, false, true}, kDisabled},
                    // Checked does not hold a disabled button down; hover still shows.
                    ImageCase{{false, true, false, false, true}, kDisabled},
                    ImageCase{{false, true, true, false, true}, kHover}));

TEST(ButtonClick, FlipsASwitchAndLeavesAPushButtonAlone) {
  EXPECT_TRUE(CheckedAfterClick({.toggleMode = true, .checked = false}));
  EXPECT_FALSE(CheckedAfterClick({.toggleMode = true, .checked = true}));
  EXPECT_TRUE(CheckedAfterClick({.toggleMode = false, .checked = true}));
  EXPECT_FALSE(CheckedAfterClick({.toggleMode = false, .checked = false}));
}

// The shape must never fall back to the normal picture: its pure white
// pixels would become holes in the window.
TEST(SkinRoles, AMissingShapeHasNoStandIn) {
  EXPECT_EQ(SkinRoleStandIn(SkinRole::kShape), std::nullopt);
  EXPECT_EQ(SkinRoleStandIn(SkinRole::kNormal), std::nullopt);
  EXPECT_EQ(SkinRoleStandIn(SkinRole::kHover), SkinRole::kNormal);
  EXPECT_EQ(SkinRoleStandIn(SkinRole::kPressed), SkinRole::kHover);
  EXPECT_EQ(SkinRoleStandIn(SkinRole::kExtra), SkinRole::kNormal);
}

TEST(SwatchChip, IsASixteenSquareWithItsCornerPixelsCut) {
  int inside = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) inside += IsInSwatchChip(x, y);
  EXPECT_EQ(inside, 16 * 16 - 4);
  EXPECT_FALSE(IsInSwatchChip(3, 3));
  EXPECT_FALSE(IsInSwatchChip(18, 18));
  EXPECT_TRUE(IsInSwatchChip(4, 3));
  EXPECT_TRUE(IsInSwatchChip(3, 17));
}

TEST(NumericEdit, ReducesToDigitsOrDigitsAndSigns) {
  // Every digit the user typed is kept, the last one included.
  EXPECT_EQ(ReduceNumericText("a1-2+3", false), "123");
  EXPECT_EQ(ReduceNumericText("a1-2+3", true), "1-2+3");
  EXPECT_EQ(ReduceNumericText("", true), "");
  EXPECT_EQ(ReduceNumericText("0123456789", false), "0123456789");
}

TEST(NumericEdit, KeyFilterPassesDigitsEditingKeysAndSigns) {
  for (unsigned vk : {0x30u, 0x39u, 0x60u, 0x69u, 0x08u, 0x0Du, 0x23u, 0x24u, 0x25u, 0x27u, 0x2Eu,
                      0xBBu, 0xBDu}) {
    EXPECT_TRUE(IsNumericEditKey(vk)) << vk;
  }
  for (unsigned vk :
       {0x41u, 0x5Au, 0x20u, 0x26u /*up*/, 0x28u /*down*/, 0x6Du /*pad minus*/, 0xBEu /*period*/}) {
    EXPECT_FALSE(IsNumericEditKey(vk)) << vk;
  }
}

// Real command ids reach 2048: macro 48 of set 9 (1100 + 100 x 9 + 48) and
// the 49th set of the macro manager's selector (2000 + 48).
TEST(MenuMetrics, EveryIdButTheHiddenOneIsAChoosableFullHeightItem) {
  for (unsigned id : {1003u, 1100u + 100u * 9u + 48u, 2000u + 48u, 0u, 2u}) {
    EXPECT_EQ(MenuItemHeight(id), 18) << id;
    EXPECT_TRUE(MenuItemChoosable(id)) << id;
  }
  EXPECT_EQ(MenuItemHeight(1), 0);
  EXPECT_FALSE(MenuItemChoosable(1));
}

TEST(MenuMetrics, WidthIsEightPixelsPerCharacterButNeverBelowTheMinimum) {
  EXPECT_EQ(MenuWidthFor(122, "Standard"), 122);
  EXPECT_EQ(MenuWidthFor(122, "Macro + Preset Function"), 23 * 8);
  EXPECT_EQ(MenuWidthFor(20, ""), 20);
}

TEST(DropDownGuard, ClickThatClosedTheMenuDoesNotReopenIt) {
  DropDownGuard guard;
  EXPECT_TRUE(guard.ShouldOpen(7));
  guard.MenuClosed(7, 7);  // the menu was dismissed by clicking its own button
  EXPECT_FALSE(guard.ShouldOpen(7));
  EXPECT_TRUE(guard.ShouldOpen(7));  // the next click opens it again
}

TEST(DropDownGuard, AMenuLeftFromTheKeyboardOpensAgainAtOnce) {
  DropDownGuard guard;
  guard.MenuClosed(7, 7, false);  // Escape, the mouse resting on the button
  EXPECT_TRUE(guard.ShouldOpen(7));
}

TEST(DropDownGuard, OtherButtonsAndClosesElsewhereOpenNormally) {
  DropDownGuard guard;
  guard.MenuClosed(7, 9);  // closed by a click on another window
  EXPECT_TRUE(guard.ShouldOpen(7));
  guard.MenuClosed(7, 7);
  EXPECT_TRUE(guard.ShouldOpen(8));
  EXPECT_FALSE(guard.ShouldOpen(7));
}

TEST(ColorPickArea, KeysMoveThePickedPointAndKeepItInTheStrip) {
  const PickPoint start = PickedFromMarker(kInitialMarker);
  EXPECT_EQ(start, (PickPoint{71, 13}));
  EXPECT_EQ(PickPointAfterKey(0x27, start), (PickPoint{75, 13}));  // Right
  EXPECT_EQ(PickPointAfterKey(0x25, PickPoint{7, 13}), (PickPoint{6, 13}));
  EXPECT_EQ(PickPointAfterKey(0x28, PickPoint{70, 21}), (PickPoint{70, 21}));  // Down at the edge
  EXPECT_EQ(PickPointAfterKey(0x23, start), (PickPoint{169, 13}));             // End
  EXPECT_EQ(PickPointAfterKey(0x41, start), std::nullopt);
}

TEST(ColorPickArea, AcceptsPressesThreePixelsAroundAndClampsThem) {
  EXPECT_EQ(PickPointFor(3, 3), (PickPoint{6, 6}));
  EXPECT_EQ(PickPointFor(172, 24), (PickPoint{169, 21}));
  EXPECT_EQ(PickPointFor(100, 10), (PickPoint{100, 10}));
  EXPECT_FALSE(PickPointFor(2, 10));
  EXPECT_FALSE(PickPointFor(100, 25));
  EXPECT_EQ(MarkerFor(PickPoint{100, 10}), (PickPoint{94, 4}));
}

}  // namespace
}  // namespace brelfx
