#include "option/skin/win32/skin_window.h"

#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/region_from_bitmap.h"

namespace brelfx {

bool SkinWindow::LoadSkin(const SkinSetIds& ids) {
  if (!skin_.Load(ids)) return false;
  const SIZE size = skin_.Size();
  SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void SkinWindow::ApplyShape() {
  ShapeWindow(hwnd(), skin_.Image(SkinRole::kShape));
}

LRESULT SkinWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return TRUE;  // the paint covers everything
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT SkinWindow::OnPaint() {
  PaintBuffered(hwnd(), [this](HDC dc, const RECT& client) {
    DrawBitmap(dc, skin_.Image(SkinRole::kNormal), 0, 0);
    PaintOver(dc, client);
  });
  return 0;
}

LRESULT SkinWindow::OnLeftButtonDown(LPARAM lParam) {
  // Pressing the caption starts the system's move loop; the background acts
  // as the caption of these frameless windows.
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(hwnd(), &point);
  HWND target = drag_ == DragMoves::kSelf ? hwnd() : GetParent(hwnd());
  if (target) PostMessageA(target, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
  return 0;
}

}  // namespace brelfx
