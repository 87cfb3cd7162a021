// The dialog keys, the Tab order and where a dialog opens.
#include <gtest/gtest.h>

#include <vector>

#include "option/skin/dialog/dialog_keys.h"
#include "option/skin/dialog/dialog_placement.h"

namespace brelfx {
namespace {

using enum DialogKeyAction;

TEST(DialogKeys, EnterClicksAFocusedButtonOrConfirmsEscapeCancels) {
  EXPECT_EQ(DialogKeyFor(kKeyEnter, false, FocusKind::kButton), kClickFocused);
  EXPECT_EQ(DialogKeyFor(kKeyEnter, false, FocusKind::kOther), kOk);  // Enter in an edit
  EXPECT_EQ(DialogKeyFor(kKeyEnter, false, FocusKind::kNone), kOk);
  EXPECT_EQ(DialogKeyFor(kKeyEscape, false, FocusKind::kButton), kCancel);
  EXPECT_EQ(DialogKeyFor(kKeyTab, false, FocusKind::kOther), kFocusNext);
  EXPECT_EQ(DialogKeyFor(kKeyTab, true, FocusKind::kOther), kFocusPrevious);
  // An in-place edit ends itself on Enter and Escape; the dialog stays.
  EXPECT_EQ(DialogKeyFor(kKeyEnter, false, FocusKind::kOwnKeys), kNone);
  EXPECT_EQ(DialogKeyFor(kKeyEscape, false, FocusKind::kOwnKeys), kNone);
  EXPECT_EQ(DialogKeyFor(kKeyTab, false, FocusKind::kOwnKeys), kFocusNext);
  // Space and the arrows belong to the focused control.
  for (unsigned key : {0x20u, 0x25u, 0x26u, 0x27u, 0x28u})
    EXPECT_EQ(DialogKeyFor(key, false, FocusKind::kButton), kNone) << key;
}

TEST(FocusOrder, TabSkipsWhatCannotTakeTheFocusAndWraps) {
  const FocusStop on{true, true, true, 10, 10};
  std::vector<FocusStop> stops(6, on);
  stops[1].enabled = false;
  stops[2].visible = false;
  stops[3].width = 0;  // placed at 0,0,0,0
  stops[4].tabStop = false;
  EXPECT_EQ(NextFocusStop(stops, 0, false), 5);
  EXPECT_EQ(NextFocusStop(stops, 5, false), 0);  // wraps
  EXPECT_EQ(NextFocusStop(stops, 0, true), 5);
  EXPECT_EQ(NextFocusStop(stops, -1, false), 0);  // from outside: the first
  EXPECT_EQ(NextFocusStop(stops, -1, true), 5);   // or the last
  EXPECT_EQ(NextFocusStop(std::vector<FocusStop>(3), -1, false), -1);
  EXPECT_EQ(NextFocusStop({}, 0, false), -1);
  // The only reachable stop stays focused.
  std::vector<FocusStop> single(3);
  single[1] = on;
  EXPECT_EQ(NextFocusStop(single, 1, false), 1);
}

TEST(DialogPlacement, CentresOverTheOwnerAndStaysOnTheScreen) {
  const SkinRect screen{0, 0, 1280, 1024};
  EXPECT_EQ(CentredDialogOrigin(SkinRect{100, 100, 900, 700}, 300, 200, screen).x, 350);
  EXPECT_EQ(CentredDialogOrigin(SkinRect{100, 100, 900, 700}, 300, 200, screen).y, 300);
  const DialogOrigin unowned = CentredDialogOrigin(SkinRect{}, 280, 24, screen);
  EXPECT_EQ(unowned.x, 500);
  EXPECT_EQ(unowned.y, 500);
  // An owner near the edge: the dialog is pushed back onto the screen.
  const DialogOrigin edge = CentredDialogOrigin(SkinRect{1200, -50, 1300, 50}, 300, 200, screen);
  EXPECT_EQ(edge.x, 980);
  EXPECT_EQ(edge.y, 0);
  // Larger than the screen: its top-left corner stays visible.
  EXPECT_EQ(CentredDialogOrigin(SkinRect{}, 2000, 2000, screen).x, 0);
}

}  // namespace
}  // namespace brelfx
