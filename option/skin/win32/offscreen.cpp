#include "option/skin/win32/offscreen.h"

namespace brelfx {

OffscreenBuffer::OffscreenBuffer(HDC target, int width, int height)
    : dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, width, height)),
      width_(width),
      height_(height) {
  if (ok()) old_ = SelectObject(dc_.get(), bitmap_.get());
}

OffscreenBuffer::~OffscreenBuffer() {
  if (old_) SelectObject(dc_.get(), old_);
}

void OffscreenBuffer::CopyTo(HDC target, int x, int y) const {
  if (ok()) BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

UniqueBitmap CreateDib32(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

void DrawLabel(HDC dc, const RECT& rect, int indent, const std::string& text, HFONT font,
               HFONT tmFont) {
  SetBkMode(dc, TRANSPARENT);
  SIZE extent{};
  {
    SelectGuard select(dc, font);
    RECT textRect = rect;
    textRect.left += indent;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  if (!tmFont) return;
  SelectGuard select(dc, tmFont);
  const int top = rect.top + (rect.bottom - rect.top - extent.cy) / 2;
  TextOutA(dc, rect.left + indent + extent.cx, top, "TM", 2);
}

void PaintBuffered(HWND window, const std::function<void(HDC, const RECT&)>& draw) {
  PaintDc paint(window);
  RECT client;
  GetClientRect(window, &client);
  OffscreenBuffer buffer(paint.get(), client.right, client.bottom);
  if (!buffer.ok()) return;
  FillRect(buffer.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  draw(buffer.dc(), client);
  buffer.CopyTo(paint.get(), 0, 0);
}

void DrawFocusMark(HDC dc, const RECT& rect, int inset) {
  const RECT frame{rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
  if (frame.right <= frame.left || frame.bottom <= frame.top) return;
  UniqueBrush accent(CreateSolidBrush(kFocusMarkColor));
  FrameRect(dc, &frame, accent.get());
}

UniqueFont CreateSkinFont(const char* face, int height, int width, int weight) {
  return UniqueFont(CreateFontA(height, width, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, face));
}

}  // namespace brelfx
