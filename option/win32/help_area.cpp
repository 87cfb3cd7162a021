#include "option/win32/help_area.h"

#include "option/app/languages.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"
#include "platform/win32/wide_text.h"

namespace brelfx {
namespace {

constexpr const char* kHelpAreaClass = "BrelFX.HelpArea";
constexpr COLORREF kHelpTextColor = RGB(100, 100, 100);

}  // namespace

CHelpArea::~CHelpArea() { DestroyWindowNow(); }

bool CHelpArea::Create(HWND parent, const RECT& rect, UniqueBitmap background) {
  if (!RegisterWindowClass(kHelpAreaClass)) return false;
  background_ = std::move(background);
  SetLanguage(kEnglish);
  return CreateWindowObject(0, kHelpAreaClass, "", WS_CHILD | WS_VISIBLE, rect, parent, nullptr);
}

void CHelpArea::SetLanguage(int quickHelpLan) {
  const HelpAreaFont chosen = HelpAreaFontFor(quickHelpLan);
  font_.reset(CreateFontW(chosen.height, chosen.width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          WideFromUtf8(chosen.face).c_str()));
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CHelpArea::SetText(const std::string& utf8) {
  text_ = utf8;
  // The window text as well: screen readers (and the end-to-end test) read
  // the line from there.
  SetWindowTextW(hwnd(), WideFromUtf8(text_).c_str());
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CHelpArea::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return TRUE;
    case WM_NCHITTEST: return HTTRANSPARENT;  // the window is dragged through it
    default: return Default(message, wParam, lParam);
  }
}

LRESULT CHelpArea::OnPaint() {
  PaintBuffered(hwnd(), [this](HDC dc, const RECT& client) {
    DrawBitmap(dc, background_.get(), 0, 0);
    const std::wstring text = WideFromUtf8(text_);
    const HGDIOBJ old = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kHelpTextColor);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TextOutW(dc, 4, (client.bottom - extent.cy) / 2, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, old);
  });
  return 0;
}

}  // namespace brelfx
