#include "option/skin/win32/skin_menu.h"

#include <algorithm>

#include "option/skin/menu_metrics.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_resource_ids.h"

namespace brelfx {
namespace {

constexpr int kTextLeft = 2;
constexpr int kArrowFromRight = 21;

HFONT TmFont() {
  // The face falls back to a system font where it is not installed.
  static const UniqueFont font = CreateSkinFont("Eurostile", 8);
  return font.get();
}

HICON SubmenuArrow() {
  static const HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(BRELFX_IDI_SUBMENU_ARROW), IMAGE_ICON,
                 0, 0, LR_DEFAULTCOLOR));
  return icon;
}

}  // namespace

CSkinMenu::CSkinMenu(HFONT font) : owned_(CreatePopupMenu()), handle_(owned_.get()), font_(font) {}

void CSkinMenu::AppendItem(unsigned id, const std::string& text, CSkinMenu* submenu, bool highlight,
                           bool tmMark, bool enabled) {
  const Item& item =
      items_.emplace_back(*this, false, id, text, submenu != nullptr, highlight, tmMark);
  width_ = std::max(width_, MenuWidthFor(minWidth_, text));
  const auto data = reinterpret_cast<LPCSTR>(static_cast<const OwnerDrawnMenuItem*>(&item));
  const UINT disabled = enabled && MenuItemChoosable(id) ? 0 : MF_DISABLED | MF_GRAYED;
  if (submenu) {
    AppendMenuA(handle_, MF_OWNERDRAW | MF_POPUP | disabled,
                reinterpret_cast<UINT_PTR>(submenu->owned_.release()), data);
  } else {
    AppendMenuA(handle_, MF_OWNERDRAW | disabled, id, data);
  }
}

void CSkinMenu::AppendSeparator() {
  const Item& item = items_.emplace_back(*this, true, 0, std::string(), false, false, false);
  const auto data = reinterpret_cast<LPCSTR>(static_cast<const OwnerDrawnMenuItem*>(&item));
  AppendMenuA(handle_, MF_OWNERDRAW | MF_SEPARATOR, 0, data);
}

void CSkinMenu::Track(HWND owner, int x, int y) const {
  TrackPopupMenu(handle_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
}

void CSkinMenu::Item::Measure(MEASUREITEMSTRUCT& measure) {
  measure.itemHeight = static_cast<UINT>(separator_ ? kMenuSeparatorHeight : MenuItemHeight(id_));
  measure.itemWidth = static_cast<UINT>(std::max(menu_.width_, menu_.minWidth_));
}

void CSkinMenu::Item::Draw(const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  const RECT& rect = draw.rcItem;
  const SkinMenuColors& colors = menu_.colors_;
  if (separator_) {
    UniqueBrush background(CreateSolidBrush(colors.background));
    FillRect(dc, &rect, background.get());
    UniquePen line(CreatePen(PS_SOLID, 1, colors.separator));
    SelectGuard pen(dc, line.get());
    const int middle = (rect.top + rect.bottom) / 2;
    MoveToEx(dc, rect.left, middle, nullptr);
    LineTo(dc, rect.right, middle);
  } else {
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    UniqueBrush background(
        CreateSolidBrush(selected ? colors.selectedBackground : colors.background));
    FillRect(dc, &rect, background.get());
    PaintLabel(dc, rect, selected, (draw.itemState & ODS_GRAYED) != 0);
    if (submenu_ && SubmenuArrow()) {
      const int top = rect.top + (rect.bottom - rect.top - 16) / 2;
      DrawIconEx(dc, rect.right - kArrowFromRight, top, SubmenuArrow(), 16, 16, 0, nullptr,
                 DI_NORMAL);
    }
  }
  // Keeps the system from drawing its own submenu arrow over ours.
  ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void CSkinMenu::Item::PaintLabel(HDC dc, const RECT& rect, bool selected, bool grayed) const {
  const SkinMenuColors& colors = menu_.colors_;
  SetTextColor(dc, grayed       ? colors.disabledText
                   : highlight_ ? colors.highlightText
                   : selected ? colors.selectedText
                              : colors.text);
  DrawLabel(dc, rect, kTextLeft, text_, menu_.font_, tmMark_ ? TmFont() : nullptr);
}

void TrackDropDownMenu(const CSkinMenu& menu, CSkinButton& button, HWND owner,
                       DropDownGuard& guard) {
  const auto buttonId = reinterpret_cast<DropDownGuard::WindowId>(button.hwnd());
  if (!guard.ShouldOpen(buttonId)) return;
  RECT rect;
  GetWindowRect(button.hwnd(), &rect);
  button.HoldHover(true);
  menu.Track(owner, rect.left, rect.bottom);
  button.HoldHover(false);
  PostMessageA(owner, WM_NULL, 0, 0);
  // The menu took the keyboard; give it back to the page, on the button,
  // so the keyboard user goes on from where the menu was opened.
  if (IsWindowVisible(button.hwnd()) && IsWindowEnabled(button.hwnd())) {
    SetFocus(button.hwnd());
  } else {
    SetFocus(owner);
  }
  POINT cursor;
  GetCursorPos(&cursor);
  // A press that closes the menu is still down when the menu returns.
  const bool byPress = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
  guard.MenuClosed(buttonId, reinterpret_cast<DropDownGuard::WindowId>(WindowFromPoint(cursor)),
                   byPress);
}

}  // namespace brelfx
