#include "option/skin/win32/skin_button.h"

#include <commctrl.h>

#include <utility>

#include "option/skin/skin_messages.h"
#include "option/skin/win32/common_controls.h"
#include "option/skin/win32/help_text.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"
#include "option/skin/win32/skin_resource_ids.h"
#include "platform/win32/wide_text.h"

namespace brelfx {
namespace {

constexpr COLORREF kCaptionColor = 0xE0E0E0;
constexpr int kCaptionLeft = 5;

// Shared by every button for the life of the program.
HFONT CaptionFont() {
  static const UniqueFont font = CreateSkinFont("Arial", 14, 5);
  return font.get();
}

HFONT TmFont() {
  static const UniqueFont font = CreateSkinFont("Arial", 8);
  return font.get();
}

// Loaded once for every button of the program.
HCURSOR HandCursor() {
  static const HCURSOR cursor =
      LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(BRELFX_IDC_HAND));
  return cursor;
}

// The full-window picture a state image is cut from.
SkinRole SkinRoleOf(ButtonImage image) {
  switch (image) {
    case ButtonImage::kHover:
      return SkinRole::kHover;
    case ButtonImage::kPressed:
      return SkinRole::kPressed;
    case ButtonImage::kDisabled:
      return SkinRole::kExtra;
    case ButtonImage::kNormal:
      break;
  }
  return SkinRole::kNormal;
}

}  // namespace

CSkinButton::~CSkinButton() = default;

bool CSkinButton::Create(HWND parent, const RECT& rect, int id) {
  // Every button takes the focus from the keyboard (Tab, then Space or Enter).
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
  return CreateControlObject(0, "BUTTON", "", style, rect, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

void CSkinButton::SetStateImages(const RECT& rect, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                                 HBITMAP disabled) {
  const HBITMAP sources[4] = {normal, hover, pressed, disabled};
  for (int i = 0; i < 4; ++i) CropSkinImage(nullptr, images_[i], sources[i], rect);
  skin_ = nullptr;
  RemoveBorder();
}

void CSkinButton::SetSkinParts(const RECT& rect, const SkinSet& skin) {
  for (UniqueBitmap& image : images_) image.reset();
  skin_ = &skin;
  part_ = rect;
  RemoveBorder();
}

void CSkinButton::RemoveBorder() {
  if (!hwnd()) return;
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  // The tab stop stays: the skinned dialogs walk their controls with Tab.
  SetWindowLongPtrA(hwnd(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
  Repaint();
}

void CSkinButton::SetOwnImages(UniqueBitmap normal, UniqueBitmap hover, UniqueBitmap pressed,
                               UniqueBitmap disabled) {
  images_[0] = std::move(normal);
  images_[1] = std::move(hover);
  images_[2] = std::move(pressed);
  images_[3] = std::move(disabled);
  skin_ = nullptr;
  Repaint();
}

void CSkinButton::SetTooltip(const std::string& text) {
  tooltip_ = text;
  // The tooltip window comes with the first mouse move over the button: a
  // window of forty buttons would otherwise create forty tooltip windows
  // before it first paints.
  if (tooltipWindow_) UpdateTooltipText();
}

void CSkinButton::UpdateTooltipText() {
  // Help texts come in every language: through the wide call, whatever the
  // system's code page.
  std::wstring wide = WideFromUtf8(tooltip_);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = hwnd();
  tool.uId = 1;
  tool.lpszText = wide.data();
  SendMessageW(tooltipWindow_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tooltipWindow_.get(), TTM_ACTIVATE, TRUE, 0);
}

bool CSkinButton::CreateTooltipWindow() {
  // A tip without text never shows; such buttons (most of them) get no
  // tooltip window at all.
  if (!hwnd() || tooltip_.empty() || !EnableCommonControls()) return false;
  tooltipWindow_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
  if (!tooltipWindow_) return false;
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = hwnd();
  tool.uId = 1;
  GetClientRect(hwnd(), &tool.rect);
  tool.lpszText = const_cast<char*>("");
  SendMessageA(tooltipWindow_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  UpdateTooltipText();
  return true;
}

void CSkinButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Repaint();
}

void CSkinButton::SetTmMark(bool on) {
  tmMark_ = on;
  Repaint();
}

void CSkinButton::SetCaption(const std::string& text) {
  caption_ = text;
  // Also the window text, so screen readers (and tests) can read it.
  if (hwnd()) SetWindowTextA(hwnd(), caption_.c_str());
  Repaint();
}

void CSkinButton::HoldHover(bool held) {
  if (held == held_) return;
  held_ = held;
  if (held_ && !hover_) {
    hover_ = true;
    ReportHover(true);
  } else if (!held_ && hover_) {
    hover_ = false;
    ReportHover(false);
  }
  Repaint();
}

void CSkinButton::Repaint() const {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CSkinButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      return OnMouseMove(wParam, lParam);
    case WM_KILLFOCUS:
      return OnKillFocus(wParam, lParam);
    case WM_SETFOCUS:
      Repaint();  // the focus mark
      return Default(message, wParam, lParam);
    case WM_CAPTURECHANGED:
      return OnCaptureChanged(reinterpret_cast<HWND>(lParam));
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(wParam, lParam);
    // A quick second click is a click, not a double click.
    case WM_LBUTTONDBLCLK:
      return OnLeftButtonDown(wParam, lParam);
    case WM_LBUTTONUP:
      return OnLeftButtonUp(wParam, lParam);
    case WM_SETCURSOR:
      return OnSetCursor(wParam, lParam);
    case WM_ERASEBKGND:
      return TRUE;
    default:
      return Default(message, wParam, lParam);
  }
}

std::optional<LRESULT> CSkinButton::OnReflected(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    // The click on its way to the owner: a switch flips before the owner
    // reads it, whatever made the click. The owner then handles it as usual.
    ButtonState state;
    state.toggleMode = toggleMode_;
    state.checked = checked_;
    SetChecked(CheckedAfterClick(state));
    return std::nullopt;
  }
  if (message != WM_DRAWITEM) return std::nullopt;
  Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

void CSkinButton::Draw(const DRAWITEMSTRUCT& draw) {
  ButtonState state;
  state.toggleMode = toggleMode_;
  state.checked = checked_;
  state.hover = hover_ || held_;
  state.selected = (draw.itemState & ODS_SELECTED) != 0;
  state.disabled = (draw.itemState & ODS_DISABLED) != 0;
  const ButtonImage chosen = ChooseButtonImage(state);

  const RECT& item = draw.rcItem;
  const int width = item.right - item.left;
  const int height = item.bottom - item.top;
  OffscreenBuffer buffer(draw.hDC, width, height);
  if (!buffer.ok()) return;
  const RECT local{0, 0, width, height};
  FillRect(buffer.dc(), &local, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (skin_)
    DrawBitmapPart(buffer.dc(), skin_->Image(SkinRoleOf(chosen)), 0, 0, part_);
  else
    DrawBitmap(buffer.dc(), images_[static_cast<int>(chosen)].get(), 0, 0);
  PaintOver(buffer.dc(), local);
  if (GetFocus() == hwnd()) DrawFocusMark(buffer.dc(), local);
  buffer.CopyTo(draw.hDC, item.left, item.top);
}

void CSkinButton::PaintOver(HDC dc, const RECT& rect) {
  if (caption_.empty()) return;
  SetTextColor(dc, kCaptionColor);
  DrawLabel(dc, rect, kCaptionLeft, caption_, CaptionFont(), tmMark_ ? TmFont() : nullptr);
}

void CSkinButton::ReportHover(bool entered) {
  PostMessageA(GetParent(hwnd()), WM_CONTROL_HOVER, entered ? 1 : 0, hoverIndex_);
  PublishHelpText(tooltip_, entered);
}

void CSkinButton::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!tooltipWindow_ && !CreateTooltipWindow()) return;
  MSG relayed{};
  relayed.hwnd = hwnd();
  relayed.message = message;
  relayed.wParam = wParam;
  relayed.lParam = lParam;
  relayed.time = static_cast<DWORD>(GetMessageTime());
  GetCursorPos(&relayed.pt);
  SendMessageA(tooltipWindow_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT CSkinButton::OnMouseMove(WPARAM keys, LPARAM lParam) {
  RelayToTooltip(WM_MOUSEMOVE, keys, lParam);
  if ((keys & MK_LBUTTON) && !hover_) return Default(WM_MOUSEMOVE, keys, lParam);
  if (GetCapture() != hwnd()) {
    if (GetActiveWindow() && GetParent(hwnd())) {
      hover_ = true;
      ReportHover(true);
      // The capture tells us when the mouse leaves.
      SetCapture(hwnd());
      Repaint();
    }
  } else {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hwnd(), &point);
    if (WindowFromPoint(point) != hwnd()) {
      hover_ = false;
      ReportHover(false);
      Repaint();
      if (!(keys & MK_LBUTTON)) ReleaseCapture();
    }
  }
  return Default(WM_MOUSEMOVE, keys, lParam);
}

LRESULT CSkinButton::OnKillFocus(WPARAM wParam, LPARAM lParam) {
  if (hover_) {
    hover_ = false;
    ReportHover(false);
  }
  Repaint();
  return Default(WM_KILLFOCUS, wParam, lParam);
}

LRESULT CSkinButton::OnCaptureChanged(HWND newCapture) {
  // Another window took the mouse (a dialog, the button's own release after a
  // click): without the capture the leave would go unnoticed and the hover
  // look would stick. A held hover (the button's menu is open) stays.
  if (hover_ && !held_ && newCapture != hwnd()) {
    hover_ = false;
    ReportHover(false);
    Repaint();
  }
  return Default(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(newCapture));
}

LRESULT CSkinButton::OnLeftButtonDown(WPARAM wParam, LPARAM lParam) {
  HWND parent = GetParent(hwnd());
  if (parent && GetActiveWindow() != GetAncestor(parent, GA_ROOT))
    SetActiveWindow(GetAncestor(parent, GA_ROOT));
  RelayToTooltip(WM_LBUTTONDOWN, wParam, lParam);
  return Default(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CSkinButton::OnLeftButtonUp(WPARAM wParam, LPARAM lParam) {
  RelayToTooltip(WM_LBUTTONUP, wParam, lParam);
  // The button's own handling releases the press and sends the click
  // (WM_COMMAND with BN_CLICKED) to the parent only when the press began on
  // it and ends on it; a switch flips with that click (OnReflected).
  return Default(WM_LBUTTONUP, wParam, lParam);
}

LRESULT CSkinButton::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (handCursor_ && LOWORD(lParam) == HTCLIENT && HandCursor()) {
    SetCursor(HandCursor());
    return TRUE;
  }
  return Default(WM_SETCURSOR, wParam, lParam);
}

}  // namespace brelfx
