#include "option/win32/link_label.h"

#include <shellapi.h>

#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"
#include "platform/log.h"

namespace brelfx {
namespace {

constexpr const char* kLinkClass = "BrelFX.LinkLabel";
constexpr COLORREF kLinkColor = RGB(68, 191, 255);  // the skin's accent blue

}  // namespace

CLinkLabel::~CLinkLabel() { DestroyWindowNow(); }

bool CLinkLabel::Create(HWND parent, const RECT& rect, HBITMAP background) {
  if (!RegisterWindowClass(kLinkClass, 0, LoadCursor(nullptr, IDC_HAND))) return false;
  CropSkinImage(nullptr, background_, background, rect);
  font_.reset(CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "Arial"));
  return CreateWindowObject(0, kLinkClass, "", WS_CHILD | WS_VISIBLE, rect, parent, nullptr);
}

void CLinkLabel::SetAddress(const std::string& address) {
  address_ = address;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CLinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return TRUE;
    case WM_LBUTTONUP: Open(); return 0;
    default: return Default(message, wParam, lParam);
  }
}

LRESULT CLinkLabel::OnPaint() {
  PaintBuffered(hwnd(), [this](HDC dc, const RECT& client) {
    DrawBitmap(dc, background_.get(), 0, 0);
    const HGDIOBJ old = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLinkColor);
    RECT text = client;
    DrawTextA(dc, address_.c_str(), static_cast<int>(address_.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
  });
  return 0;
}

void CLinkLabel::Open() const {
  if (address_.empty()) return;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(hwnd(), "open", address_.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // 32 and below are the shell's error codes.
  if (result <= 32) DebugLog("ShellExecute open %s failed: %d", address_.c_str(), int(result));
}

}  // namespace brelfx
