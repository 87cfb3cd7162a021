// The owner-drawn list's rows, the in-place edit's ending and the popup
// list's hit and capture rules.
#include <gtest/gtest.h>

#include <vector>

#include "option/skin/layout_string.h"
#include "option/skin/lists/in_place_edit_rules.h"
#include "option/skin/lists/list_rows.h"
#include "option/skin/lists/popup_list_hits.h"

namespace brelfx {
namespace {

TEST(ListRows, ItemDataCarriesTheEventPositionAndTheRowStyle) {
  const uint32_t press = RowItemData(0, kRowPress);
  EXPECT_EQ(press, 0x1008Au);
  EXPECT_EQ(RowEventPosition(press), 0);
  EXPECT_EQ(ListRowStyleOf(press), ListRowStyle::kPress);
  EXPECT_EQ(ListRowStyleOf(RowItemData(499, kRowDelay)), ListRowStyle::kDelay);
  EXPECT_EQ(RowEventPosition(RowItemData(499, kRowDelay)), 499);
  EXPECT_EQ(ListRowStyleOf(RowItemData(7, kRowRelease)), ListRowStyle::kRelease);
  EXPECT_EQ(ListRowStyleOf(RowItemData(7, kRowMouse)), ListRowStyle::kMouse);
  EXPECT_EQ(ListRowStyleOf(0), ListRowStyle::kPlain);
  EXPECT_EQ(RowEventPosition(0), -1);  // a row of names carries no event
}

TEST(ListRows, RowUnderTheMouseAndSelectionAfterRemoval) {
  EXPECT_EQ(RowAtPoint(0, 0, 16, 3), 0);
  EXPECT_EQ(RowAtPoint(47, 0, 16, 3), 2);
  EXPECT_EQ(RowAtPoint(48, 0, 16, 3), -1);  // below the last row
  EXPECT_EQ(RowAtPoint(20, 5, 16, 10), 6);  // scrolled by five rows
  EXPECT_EQ(RowAtPoint(-1, 0, 16, 3), -1);
  EXPECT_EQ(RowAtPoint(5, 0, 16, 0), -1);
  EXPECT_EQ(SelectionAfterRemoval(1, 3), 1);   // the same row
  EXPECT_EQ(SelectionAfterRemoval(3, 3), 2);   // was the last: the new last
  EXPECT_EQ(SelectionAfterRemoval(0, 0), -1);  // empty
}

TEST(InPlaceEdit, EnterCommitsTrimmedEscapeAndEmptyCancel) {
  EXPECT_EQ(FinishInPlaceEdit("  Rush B \t", InPlaceEditEnd::kEnter), "Rush B");
  EXPECT_EQ(FinishInPlaceEdit("Rush B", InPlaceEditEnd::kFocusLost), "Rush B");
  EXPECT_EQ(FinishInPlaceEdit("Rush B", InPlaceEditEnd::kEscape), std::nullopt);
  EXPECT_EQ(FinishInPlaceEdit("   ", InPlaceEditEnd::kEnter), std::nullopt);
  EXPECT_EQ(LimitedText("0123456789ABCDEFGHIJKLMNOP", 24), "0123456789ABCDEFGHIJKLMN");
  EXPECT_EQ(LimitedText("short", 24), "short");
  EXPECT_EQ(LimitedText("unlimited", 0), "unlimited");
}

// The language selector's first items, "L1,3,17,93,13," and "L2,3,34,93,13,".
TEST(PopupList, ItemsAreHitOnlyInsideTheirNarrowedBoxes) {
  const std::vector<SkinRect> items{ParseLayoutString("L1,3,17,93,13,").rect,
                                    ParseLayoutString("L2,3,34,93,13,").rect};
  EXPECT_EQ(PopupItemAt(items, 9, 20), 0);   // 3 + 6
  EXPECT_EQ(PopupItemAt(items, 8, 20), -1);  // inside the box, in the left margin
  EXPECT_EQ(PopupItemAt(items, 89, 20), 0);  // 96 - 6 - 1
  EXPECT_EQ(PopupItemAt(items, 90, 20), -1);
  EXPECT_EQ(PopupItemAt(items, 50, 34), 1);
  EXPECT_EQ(PopupItemAt(items, 50, 30), -1);  // the gap between the rows
}

TEST(PopupList, HoldsTheCaptureOffTheItemsAndEndsWithMinusOneOnAClickThere) {
  const std::vector<SkinRect> items{ParseLayoutString("L1,3,17,93,13,").rect};
  const PopupMouseDecision over = PopupListOnMouse(items, 40, 20, false);
  EXPECT_EQ(over.item, 0);
  EXPECT_FALSE(over.holdCapture);
  EXPECT_FALSE(over.end);
  // A press over an item is the item button's: no end here.
  EXPECT_FALSE(PopupListOnMouse(items, 40, 20, true).end);
  const PopupMouseDecision margin = PopupListOnMouse(items, 5, 20, false);
  EXPECT_TRUE(margin.holdCapture);
  EXPECT_FALSE(margin.end);
  EXPECT_EQ(PopupListOnMouse(items, 5, 20, true).end, -1);
  EXPECT_EQ(PopupListOnMouse(items, -300, 900, true).end, -1);  // far outside the list
}

TEST(PopupList, KeysMoveTheHighlightAndEndTheList) {
  EXPECT_EQ(PopupListOnKey(0x28, -1, 17).highlighted, 0);
  EXPECT_EQ(PopupListOnKey(0x28, 16, 17).highlighted, 0);
  EXPECT_EQ(PopupListOnKey(0x26, 0, 17).highlighted, 16);
  EXPECT_EQ(PopupListOnKey(0x0D, 4, 17).end, 4);
  EXPECT_EQ(PopupListOnKey(0x0D, -1, 17).end, -1);
  EXPECT_EQ(PopupListOnKey(0x1B, 4, 17).end, -1);
  EXPECT_FALSE(PopupListOnKey(0x41, 4, 17).end);
}

}  // namespace
}  // namespace brelfx
