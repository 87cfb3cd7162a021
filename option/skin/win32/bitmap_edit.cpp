#include "option/skin/win32/bitmap_edit.h"

#include <vector>

#include "option/skin/edit_text.h"
#include "option/skin/lists/in_place_edit_rules.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/offscreen.h"

namespace brelfx {

bool CBitmapEdit::Create(DWORD style, const RECT& rect, HWND parent, int id) {
  if (!CreateControlObject(0, "EDIT", "", style | WS_CHILD | ES_AUTOHSCROLL, rect, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
    return false;
  }
  ApplyFont();
  return true;
}

void CBitmapEdit::SetColors(COLORREF text, COLORREF background) {
  textColor_ = text;
  backgroundColor_ = background;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void CBitmapEdit::SetFontSize(int height, int width) {
  fontHeight_ = height;
  fontWidth_ = width;
}

void CBitmapEdit::ApplyFont() {
  font_ = CreateSkinFont("Arial", fontHeight_, fontWidth_);
  if (hwnd()) SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

std::string CBitmapEdit::Text() const {
  const int length = GetWindowTextLengthA(hwnd());
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  GetWindowTextA(hwnd(), buffer.data(), length + 1);
  return std::string(buffer.data());
}

void CBitmapEdit::SetTextLimit(std::size_t characters) {
  limit_ = characters;
  if (hwnd()) SendMessageA(hwnd(), EM_LIMITTEXT, characters, 0);
}

void CBitmapEdit::SetText(const std::string& text) {
  SetWindowTextA(hwnd(), std::string(LimitedText(text, limit_)).c_str());
}

void CBitmapEdit::SetTextSilently(const std::string& text) {
  // EN_CHANGE arrives inside SetWindowText, so the flag covers exactly it.
  silent_ = true;
  SetText(text);
  silent_ = false;
}

LRESULT CBitmapEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (arrowsToParent_ && (wParam == VK_UP || wParam == VK_DOWN)) {
        SendMessageA(GetParent(hwnd()), WM_KEYDOWN, wParam, lParam);
        return 0;
      }
      if (numeric_ && !IsNumericEditKey(static_cast<unsigned>(wParam))) return 0;
      return Default(message, wParam, lParam);
    case WM_CHAR:
      // Keys pass the filter above but their characters are made by the
      // message loop regardless; stop stray letters here so the caret does
      // not jump when the text is reduced afterwards.
      if (numeric_ && wParam >= 0x20 && !(wParam >= '0' && wParam <= '9') && wParam != '-' &&
          wParam != '+') {
        return 0;
      }
      if (wParam == '\r') return 0;  // a single-line field would only beep
      return Default(message, wParam, lParam);
    case WM_KEYUP:
      if (wParam == VK_RETURN) PostMessageA(GetParent(hwnd()), WM_EDIT_NOTIFY, kEditNotifyEnter, 0);
      if (wParam == VK_ESCAPE)
        PostMessageA(GetParent(hwnd()), WM_EDIT_NOTIFY, kEditNotifyEscape, 0);
      return Default(message, wParam, lParam);
    case WM_MOUSEMOVE:
      help_.OnMouseMove(hwnd());
      return Default(message, wParam, lParam);
    case WM_MOUSELEAVE:
      help_.OnMouseLeave();
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

std::optional<LRESULT> CBitmapEdit::OnReflected(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnControlColor(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE) {
        OnTextChanged();
        return 0;
      }
      if (HIWORD(wParam) == EN_KILLFOCUS) {
        PostMessageA(GetParent(hwnd()), BitmapEditKillFocusMessage(), 0, 0);
        return 0;
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

LRESULT CBitmapEdit::OnControlColor(HDC dc) {
  background_.reset(CreateSolidBrush(backgroundColor_));
  SetTextColor(dc, textColor_);
  SetBkColor(dc, backgroundColor_);
  return reinterpret_cast<LRESULT>(background_.get());
}

void CBitmapEdit::OnTextChanged() {
  if (silent_) {
    InvalidateRect(hwnd(), nullptr, TRUE);
    return;
  }
  if (numeric_) {
    const std::string text = Text();
    const std::string reduced = ReduceNumericText(text, allowSign_);
    if (reduced != text) {
      // Replacing the text raises another change, which reports it.
      SetText(reduced);
      SendMessageA(hwnd(), EM_SETSEL, reduced.size(), reduced.size());
      return;
    }
  }
  InvalidateRect(hwnd(), nullptr, TRUE);
  PostMessageA(GetParent(hwnd()), WM_EDIT_NOTIFY, kEditNotifyChanged, 0);
}

}  // namespace brelfx
