#include "option/skin/win32/skin_picture.h"

#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"

namespace brelfx {
namespace {

constexpr const char* kPictureClass = "BrelFX.SkinPicture";

}  // namespace

CSkinPicture::~CSkinPicture() {
  DestroyWindowNow();
}

bool CSkinPicture::Create(HWND parent, const RECT& rect, bool visible) {
  if (!RegisterWindowClass(kPictureClass)) return false;
  rect_ = rect;
  return CreateWindowObject(0, kPictureClass, "", WS_CHILD | (visible ? WS_VISIBLE : 0), rect,
                            parent, nullptr) != nullptr;
}

bool CSkinPicture::SetPicture(int resourceId) {
  picture_ = LoadSkinBitmap(resourceId);
  pictureId_ = picture_ ? resourceId : 0;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
  return static_cast<bool>(picture_);
}

void CSkinPicture::SetPictureFromSkin(HBITMAP skinImage) {
  CropSkinImage(nullptr, picture_, skinImage, rect_);
  pictureId_ = 0;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CSkinPicture::Show(bool visible) {
  if (hwnd()) ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

bool CSkinPicture::IsShown() const {
  return hwnd() && (GetWindowLongA(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

LRESULT CSkinPicture::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return TRUE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the window below takes the mouse
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT CSkinPicture::OnPaint() {
  PaintBuffered(hwnd(), [this](HDC dc, const RECT&) { DrawBitmap(dc, picture_.get(), 0, 0); });
  return 0;
}

}  // namespace brelfx
