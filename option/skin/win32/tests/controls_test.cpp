// The skinned controls in a real window: what they draw, the state they keep
// and the messages their owner receives.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "option/skin/menu_metrics.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/color_picker_wnd.h"
#include "option/skin/win32/color_swatch_button.h"
#include "option/skin/win32/help_text.h"
#include "option/skin/win32/menu_frame_hook.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_menu.h"
#include "option/skin/win32/skin_resource_ids.h"
#include "option/skin/win32/skin_window.h"
#include "option/skin/win32/slider.h"
#include "option/skin/win32/spin_edit.h"
#include "option/skin/win32/tests/test_window.h"

namespace brelfx {
namespace {

using testing::MakeBitmap;
using testing::PixelOf;
using testing::Pump;
using testing::TestOwner;

constexpr COLORREF kNormal = RGB(10, 10, 10), kHover = RGB(20, 20, 20), kPressed = RGB(30, 30, 30),
                   kDisabled = RGB(40, 40, 40);

UniqueBitmap Solid(COLORREF color) {
  return UniqueBitmap(MakeBitmap(400, 300, [=](int, int) { return color; }));
}

LPARAM Point(int x, int y) {
  return MAKELPARAM(x, y);
}

// What the button draws, through WM_PRINTCLIENT into a bitmap of its size.
COLORREF DrawnPixel(const CSkinButton& button, int x, int y) {
  RECT rect;
  GetClientRect(button.hwnd(), &rect);
  WindowDc screen(nullptr);
  UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  UniqueBitmap canvas(CreateCompatibleBitmap(screen.get(), rect.right, rect.bottom));
  SelectGuard select(dc.get(), canvas.get());
  SendMessageA(button.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  return GetPixel(dc.get(), x, y);
}

class SkinControls : public ::testing::Test {
 protected:
  TestOwner owner;
  UniqueBitmap normal = Solid(kNormal), hover = Solid(kHover), pressed = Solid(kPressed),
               disabled = Solid(kDisabled);

  void Images(CSkinButton& button, const RECT& rect) {
    button.SetStateImages(rect, normal.get(), hover.get(), pressed.get(), disabled.get());
  }
};

TEST_F(SkinControls, ButtonDrawsTheImageOfItsState) {
  CColorSwatchButton button;
  const RECT rect{10, 10, 40, 40};
  ASSERT_TRUE(button.Create(owner.hwnd(), rect));
  Images(button, rect);
  EXPECT_EQ(DrawnPixel(button, 1, 1), kNormal);
  button.SetChecked(true);
  EXPECT_EQ(DrawnPixel(button, 1, 1), kPressed);
  EnableWindow(button.hwnd(), FALSE);
  EXPECT_EQ(DrawnPixel(button, 1, 1), kDisabled);

  // The swatch chip: a 16 x 16 square at (3,3) without its corner pixels.
  button.SetColor(RGB(200, 0, 0));
  EXPECT_EQ(DrawnPixel(button, 10, 10), RGB(200, 0, 0));
  EXPECT_EQ(DrawnPixel(button, 3, 3), kDisabled);
  EXPECT_EQ(DrawnPixel(button, 4, 3), RGB(200, 0, 0));
}

TEST_F(SkinControls, PlacedButtonDrawsItsOwnPartOfTheWindowsPicture) {
  // The colour spectrum changes along its width: a part drawn from the
  // wrong place shows another colour.
  SkinSet set;
  ASSERT_TRUE(set.Load(SkinSetIds{0, BRELFX_IDB_COLOR_SPECTRUM, 0, 0, 0}));
  CSkinButton button;
  PlaceSkinButton(owner.hwnd(), button, "Part,120,4,20,20,", set);
  const HBITMAP spectrum = set.Image(SkinRole::kNormal);
  EXPECT_EQ(DrawnPixel(button, 0, 0), PixelOf(spectrum, 120, 4));
  EXPECT_EQ(DrawnPixel(button, 19, 19), PixelOf(spectrum, 139, 23));
  EXPECT_NE(PixelOf(spectrum, 120, 4), PixelOf(spectrum, 0, 0));
  // Without its own pressed picture the set shows the normal one.
  button.SetChecked(true);
  EXPECT_EQ(DrawnPixel(button, 0, 0), PixelOf(spectrum, 120, 4));
}

TEST_F(SkinControls, ToggleFlipsOnReleaseInsideAndTellsTheOwner) {
  CSkinButton toggle;
  ASSERT_TRUE(toggle.Create(owner.hwnd(), RECT{10, 10, 60, 30}));
  toggle.SetToggleMode(true);
  SendMessageA(toggle.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageA(toggle.hwnd(), WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_TRUE(toggle.IsChecked());
  ASSERT_EQ(owner.Of(WM_COMMAND).size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(owner.Of(WM_COMMAND)[0].lParam), toggle.hwnd());

  // A press dragged off the switch changes nothing.
  SendMessageA(toggle.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageA(toggle.hwnd(), WM_LBUTTONUP, 0, Point(500, 5));
  EXPECT_TRUE(toggle.IsChecked());
  EXPECT_EQ(owner.Of(WM_COMMAND).size(), 1u);

  // A press begun elsewhere and released over the switch is no click.
  SendMessageA(toggle.hwnd(), WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_TRUE(toggle.IsChecked());
  EXPECT_EQ(owner.Of(WM_COMMAND).size(), 1u);

  // Space on the focused switch is a click: it flips and tells the owner.
  SetFocus(toggle.hwnd());
  SendMessageA(toggle.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(toggle.hwnd(), WM_KEYUP, VK_SPACE, 0xC0000001);
  EXPECT_FALSE(toggle.IsChecked());
  EXPECT_EQ(owner.Of(WM_COMMAND).size(), 2u);
}

TEST_F(SkinControls, HiddenControlExistsAndKeepsItsState) {
  SkinSet noSkin;
  CSkinButton capsLock;
  const LayoutItem item = PlaceSkinButton(owner.hwnd(), capsLock, "CapsLk,0,0,0,0,", noSkin, true);
  ASSERT_NE(capsLock.hwnd(), nullptr);
  EXPECT_STREQ(item.name, "CapsLk");
  capsLock.SetChecked(true);
  EXPECT_TRUE(capsLock.IsChecked());
  RECT rect;
  GetClientRect(capsLock.hwnd(), &rect);
  EXPECT_TRUE(IsRectEmpty(&rect));
}

TEST_F(SkinControls, ImageButtonTakesTheSizeOfItsDisabledPicture) {
  CSkinButton cancel;
  const int thumb = BRELFX_IDB_SLIDER_THUMB;
  PlaceImageButton(owner.hwnd(), cancel, "BUTTON_CANCEL,114,160,100,0,Cancel", thumb, thumb, thumb,
                   thumb, false);
  RECT rect;
  GetWindowRect(cancel.hwnd(), &rect);
  MapWindowPoints(HWND_DESKTOP, owner.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 114);
  EXPECT_EQ(rect.top, 160);
  EXPECT_EQ(rect.right - rect.left, 12);
  EXPECT_EQ(rect.bottom - rect.top, 20);
  EXPECT_EQ(cancel.Tooltip(), "Cancel");
}

TEST_F(SkinControls, HoverIsReportedToParentAndHelpChannel) {
  CSkinButton button;
  ASSERT_TRUE(button.Create(owner.hwnd(), RECT{10, 10, 60, 30}));
  button.SetTooltip("Press me");
  button.SetHoverIndex(207);
  SetHelpTextWindow(owner.hwnd());
  button.HoldHover(true);
  EXPECT_EQ(CurrentHelpText(), "Press me");
  button.HoldHover(false);
  EXPECT_EQ(CurrentHelpText(), "");
  Pump();
  SetHelpTextWindow(nullptr);
  const auto hovers = owner.Of(WM_CONTROL_HOVER);
  ASSERT_EQ(hovers.size(), 2u);
  EXPECT_EQ(hovers[0].wParam, 1u);
  EXPECT_EQ(hovers[0].lParam, 207);
  EXPECT_EQ(hovers[1].wParam, 0u);
  EXPECT_EQ(owner.Of(WM_HELP_TEXT).size(), 2u);
}

// Tooltips are made on the first mouse move, not when the button is placed
// (the common controls are loaded late too). Wine's user32 would load them
// for the tooltip class by itself, so this cannot tell whether the button
// enabled them; it tells that the tip exists once the mouse came.
TEST_F(SkinControls, FirstMouseMoveMakesTheTooltipWindow) {
  CSkinButton button;
  ASSERT_TRUE(button.Create(owner.hwnd(), RECT{10, 10, 60, 30}));
  button.SetTooltip("Press me");
  SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, Point(5, 5));
  HWND tooltip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        char name[32] = "";
        GetClassNameA(window, name, sizeof(name));
        if (std::string(name) == "tooltips_class32") *reinterpret_cast<HWND*>(found) = window;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(GetWindow(tooltip, GW_OWNER), GetAncestor(button.hwnd(), GA_ROOT));
  ReleaseCapture();
}

TEST_F(SkinControls, NumericEditReducesTypedTextAndNotifies) {
  CBitmapEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE, RECT{10, 10, 100, 26}, owner.hwnd(), 4010));
  edit.SetNumeric(true);
  edit.SetText("a1-2+3");
  EXPECT_EQ(edit.Text(), "123");
  edit.AllowSign(true);
  edit.SetText("a1-2+3");
  EXPECT_EQ(edit.Text(), "1-2+3");
  SendMessageA(edit.hwnd(), WM_KEYUP, VK_RETURN, 0);
  Pump();
  const auto notes = owner.Of(WM_EDIT_NOTIFY);
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.front().wParam, kEditNotifyChanged);
  EXPECT_EQ(notes.back().wParam, kEditNotifyEnter);
}

TEST_F(SkinControls, SpinFieldClampsWhenItsEditLosesTheFocus) {
  CSpinEdit spin;
  ASSERT_TRUE(spin.Create(RECT{10, 10, 60, 28}, owner.hwnd(), 500));
  spin.SetRange(10, 255);
  spin.SetValue(77);  // the owner's own value: shown, never reported back
  Pump();
  EXPECT_EQ(spin.Edit().Text(), "77");
  EXPECT_TRUE(owner.Of(WM_SPIN_VALUE).empty());
  SetFocus(spin.Edit().hwnd());
  spin.Edit().SetText("4");  // below the range: left alone while typing
  Pump();
  EXPECT_EQ(spin.Edit().Text(), "4");
  EXPECT_TRUE(owner.Of(WM_SPIN_VALUE).empty());
  SetFocus(owner.hwnd());
  Pump();
  EXPECT_EQ(spin.Edit().Text(), "10");
  ASSERT_FALSE(owner.Of(WM_SPIN_VALUE).empty());
  EXPECT_EQ(owner.Of(WM_SPIN_VALUE).back().wParam, 10u);
  EXPECT_EQ(owner.Of(WM_SPIN_VALUE).back().lParam, 500);

  spin.Edit().SetText("300");
  Pump();
  EXPECT_EQ(spin.Edit().Text(), "255");
  EXPECT_EQ(owner.Of(WM_SPIN_VALUE).back().wParam, 255u);

  SendMessageA(spin.hwnd(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(spin.DownArrow().hwnd()));
  Pump();
  EXPECT_EQ(spin.Edit().Text(), "254");
  EXPECT_EQ(owner.Of(WM_SPIN_VALUE).back().wParam, 254u);
  // One report per arrow click, no echo of the rewritten text.
  const std::size_t reports = owner.Of(WM_SPIN_VALUE).size();
  SendMessageA(spin.hwnd(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(spin.UpArrow().hwnd()));
  Pump();
  EXPECT_EQ(owner.Of(WM_SPIN_VALUE).size(), reports + 1);
}

TEST_F(SkinControls, SliderClicksBeyondTheEndsGiveTheLimits) {
  CclickHSlider slider;
  ASSERT_TRUE(slider.Create(BRELFX_IDB_SLIDER_THUMB, RECT{10, 10, 200, 30}, owner.hwnd(), 302));
  slider.SetRange(0, 5);
  slider.SetRounding(true);
  SendMessageA(slider.hwnd(), WM_LBUTTONUP, 0, Point(400, 5));
  Pump();
  ASSERT_EQ(owner.Of(WM_SLIDER_POS).size(), 1u);
  EXPECT_EQ(owner.Of(WM_SLIDER_POS)[0].wParam, 5u);
  EXPECT_EQ(owner.Of(WM_SLIDER_POS)[0].lParam, 302);
  SendMessageA(slider.hwnd(), WM_LBUTTONUP, 0, Point(-50 & 0xFFFF, 5));
  Pump();
  EXPECT_EQ(owner.Of(WM_SLIDER_POS).back().wParam, 0u);
  EXPECT_EQ(slider.Value(), 0);
}

TEST_F(SkinControls, ReleasedThumbSnapsToTheNearestStep) {
  CclickHSlider slider;
  ASSERT_TRUE(slider.Create(BRELFX_IDB_SLIDER_THUMB, RECT{10, 10, 200, 30}, owner.hwnd(), 200));
  slider.SetRange(0, 5);
  slider.SetRounding(true);
  // Thumb 12 px wide on a 190 px track: 178 px of travel. 100 px is 2.8.
  SendMessageA(slider.Thumb(), WM_LBUTTONDOWN, MK_LBUTTON, Point(3, 5));
  SendMessageA(slider.Thumb(), WM_MOUSEMOVE, MK_LBUTTON, Point(103, 5));
  SendMessageA(slider.Thumb(), WM_LBUTTONUP, 0, Point(3, 5));
  Pump();
  EXPECT_EQ(slider.Value(), 3);
  ASSERT_FALSE(owner.Of(WM_SLIDER_POS).empty());
  EXPECT_EQ(owner.Of(WM_SLIDER_POS).back().wParam, 3u);
  EXPECT_EQ(owner.Of(WM_SLIDER_POS).back().lParam, 200);  // forwarded with the track's id
  RECT thumb, track;
  GetWindowRect(slider.Thumb(), &thumb);
  GetWindowRect(slider.hwnd(), &track);
  EXPECT_EQ(thumb.left - track.left, 106);
}

TEST_F(SkinControls, ControlsWithoutTheirPicturesAreNotCreated) {
  CclickHSlider slider;
  EXPECT_FALSE(slider.Create(31999, RECT{10, 10, 200, 30}, owner.hwnd(), 1));
  EXPECT_EQ(slider.hwnd(), nullptr);
  CColorPickerWnd picker;
  EXPECT_FALSE(
      picker.Create(RECT{0, 0, 176, 28}, owner.hwnd(), 1, BRELFX_IDB_COLOR_SPECTRUM, 31999));
}

TEST_F(SkinControls, ColorPickerPicksInsideItsAreaOnly) {
  CColorPickerWnd picker;
  ASSERT_TRUE(picker.Create(RECT{0, 0, 176, 28}, owner.hwnd(), 600, BRELFX_IDB_COLOR_SPECTRUM,
                            BRELFX_IDB_COLOR_MARKER));
  EXPECT_EQ(picker.GetColor(), RGB(255, 255, 255));
  SendMessageA(picker.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
               Point(1, 1));  // outside the enlarged area
  SendMessageA(picker.hwnd(), WM_LBUTTONUP, 0, Point(1, 1));
  Pump();
  EXPECT_TRUE(owner.Of(WM_COLOR_PICKED).empty());
  SendMessageA(picker.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(172, 13));  // clamped to x 169
  SendMessageA(picker.hwnd(), WM_LBUTTONUP, 0, Point(172, 13));
  Pump();
  EXPECT_EQ(owner.Of(WM_COLOR_PICKED).size(), 1u);
  EXPECT_NE(picker.GetColor(), RGB(255, 255, 255));
  EXPECT_EQ(picker.Marker(), (PickPoint{163, 7}));
}

// A page: a skinned child whose background drags the main window.
class TestPage : public SkinWindow {
 public:
  explicit TestPage(HWND parent, DragMoves drag) : SkinWindow(drag) {
    RegisterWindowClass("BrelFX.TestPage");
    CreateWindowObject(0, "BrelFX.TestPage", "", WS_CHILD | WS_VISIBLE, RECT{20, 20, 120, 80},
                       parent, nullptr);
  }
};

TEST(SkinWindow, DraggingAPageMovesItsParentAndADialogItself) {
  TestOwner owner;
  TestPage page(owner.hwnd(), SkinWindow::DragMoves::kParent);
  SendMessageA(page.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  Pump();
  const auto drags = owner.Of(WM_NCLBUTTONDOWN);
  ASSERT_EQ(drags.size(), 1u);
  EXPECT_EQ(drags[0].wParam, static_cast<WPARAM>(HTCAPTION));
  POINT expected{5, 6};
  ClientToScreen(page.hwnd(), &expected);
  EXPECT_EQ(drags[0].lParam, MAKELPARAM(expected.x, expected.y));
  EXPECT_EQ(SendMessageA(page.hwnd(), WM_ERASEBKGND, 0, 0), TRUE);  // painting covers it all

  TestOwner dialogParent;
  TestPage dialog(dialogParent.hwnd(), SkinWindow::DragMoves::kSelf);
  SendMessageA(dialog.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  Pump();
  EXPECT_TRUE(dialogParent.Of(WM_NCLBUTTONDOWN).empty());
}

TEST(SkinMenu, ItemsMeasureByTheirKind) {
  CSkinMenu menu(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  menu.SetMinWidth(122);
  menu.AppendItem(1003, "Macro-Play/Pause");
  menu.AppendItem(1, "hidden");
  menu.AppendSeparator();
  menu.AppendItem(1100, "A very long macro name of 30 ch");
  menu.AppendItem(2048, "Set 49");  // a real command id, not a separator
  const UINT heights[] = {18, 0, 5, 18, 18};
  const bool separators[] = {false, false, true, false, false};
  const bool disabled[] = {false, true, true, false, false};  // separators never choose
  for (UINT i = 0; i < 5; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoA(menu.handle(), i, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, separators[i]) << i;
    EXPECT_EQ((info.fState & MFS_DISABLED) != 0, disabled[i]) << i;
    MEASUREITEMSTRUCT measure{};
    reinterpret_cast<OwnerDrawnMenuItem*>(info.dwItemData)->Measure(measure);
    EXPECT_EQ(measure.itemHeight, heights[i]) << i;
    EXPECT_EQ(measure.itemWidth, 31u * 8) << i;
  }
}

// Opens a menu and, from inside its modal loop, counts the framed menu windows.
class MenuProbe : public TestOwner {
 public:
  std::size_t framedWhileOpen = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER) {
      KillTimer(hwnd(), 1);
      framedWhileOpen = MenuFrameHook::FramedMenuCount();
      EndMenu();
      return 0;
    }
    return TestOwner::HandleMessage(message, wParam, lParam);
  }
};

TEST(MenuFrameHook, FramesOpenPopupMenusAndLetsGoOfThem) {
  MenuFrameHook hook;
  ASSERT_TRUE(hook.installed());
  MenuProbe probe;
  CSkinMenu menu(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  menu.AppendItem(1001, "Standard");
  SetForegroundWindow(probe.hwnd());
  SetTimer(probe.hwnd(), 1, 200, nullptr);
  menu.Track(probe.hwnd(), 50, 50);
  EXPECT_EQ(probe.framedWhileOpen, 1u);
  Pump();
  EXPECT_EQ(MenuFrameHook::FramedMenuCount(), 0u);
}

// A handler that throws must not take the program down.
class ThrowingWindow : public TestOwner {
 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER + 1) throw std::runtime_error("boom");
    return TestOwner::HandleMessage(message, wParam, lParam);
  }
};

TEST(Window, NoExceptionLeavesTheWindowProcedure) {
  ThrowingWindow window;
  EXPECT_EQ(SendMessageA(window.hwnd(), WM_USER + 1, 0, 0), 0);
  EXPECT_TRUE(IsWindow(window.hwnd()));
}

}  // namespace
}  // namespace brelfx
