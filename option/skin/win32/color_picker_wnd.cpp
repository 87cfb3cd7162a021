#include "option/skin/win32/color_picker_wnd.h"

#include "option/skin/skin_messages.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"

namespace brelfx {
namespace {

constexpr const char* kPickerClass = "BrelFX.ColorPicker";
constexpr COLORREF kMarkerTransparent = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

bool CColorPickerWnd::Create(const RECT& rect, HWND owner, int id, int spectrumBitmapId,
                             int markerBitmapId) {
  spectrum_ = LoadSkinBitmap(spectrumBitmapId);
  markerBitmap_ = LoadSkinBitmap(markerBitmapId);
  if (!spectrum_ || !markerBitmap_ || !RegisterWindowClass(kPickerClass)) return false;
  help_.SetText("Create Custom Color");
  return CreateWindowObject(0, kPickerClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, owner,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

LRESULT CColorPickerWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return TRUE;
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(lParam);
    case WM_MOUSEMOVE:
      return OnMouseMove(wParam, lParam);
    case WM_LBUTTONUP:
      dragging_ = false;
      ReleaseCapture();
      return 0;
    case WM_MOUSELEAVE:
      return OnMouseLeave();
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      return OnKeyDown(static_cast<unsigned>(wParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);  // the focus mark
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT CColorPickerWnd::OnPaint() {
  PaintDc paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  OffscreenBuffer buffer(paint.get(), client.right, client.bottom);
  UniqueMemoryDc markerDc(CreateCompatibleDC(paint.get()));
  if (!buffer.ok() || !markerDc) return 0;
  DrawBitmap(buffer.dc(), spectrum_.get(), 0, 0);
  const SIZE marker = BitmapSize(markerBitmap_.get());
  SelectGuard selectMarker(markerDc.get(), markerBitmap_.get());
  TransparentBlt(buffer.dc(), marker_.x, marker_.y, marker.cx, marker.cy, markerDc.get(), 0, 0,
                 marker.cx, marker.cy, kMarkerTransparent);
  if (GetFocus() == hwnd()) DrawFocusMark(buffer.dc(), client, 0);
  buffer.CopyTo(paint.get(), 0, 0);
  return 0;
}

COLORREF CColorPickerWnd::SpectrumColorAt(const PickPoint& point) const {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return CLR_INVALID;
  SelectGuard select(dc.get(), spectrum_.get());
  return GetPixel(dc.get(), point.x, point.y);
}

bool CColorPickerWnd::PickAt(LPARAM lParam) {
  const auto point =
      PickPointFor(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  if (!point) return false;
  Pick(*point);
  return true;
}

LRESULT CColorPickerWnd::OnKeyDown(unsigned virtualKey) {
  if (const auto point = PickPointAfterKey(virtualKey, PickedFromMarker(marker_))) Pick(*point);
  return 0;
}

void CColorPickerWnd::Pick(const PickPoint& point) {
  marker_ = MarkerFor(point);
  // The colour comes from the spectrum picture itself, not from the screen,
  // so the marker or a window over the strip cannot spoil it.
  const COLORREF color = SpectrumColorAt(point);
  if (color != kWhite && color != CLR_INVALID) {
    color_ = color;
    PostMessageA(GetParent(hwnd()), WM_COLOR_PICKED, 0, 0);
  }
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CColorPickerWnd::OnLeftButtonDown(LPARAM lParam) {
  SetFocus(hwnd());
  if (PickAt(lParam)) {
    dragging_ = true;
    SetCapture(hwnd());
  }
  return 0;
}

LRESULT CColorPickerWnd::OnMouseMove(WPARAM keys, LPARAM lParam) {
  help_.OnMouseMove(hwnd());
  if (dragging_ && (keys & MK_LBUTTON)) PickAt(lParam);
  return 0;
}

LRESULT CColorPickerWnd::OnMouseLeave() {
  help_.OnMouseLeave();
  dragging_ = false;
  PublishHelpText("", false);
  return 0;
}

}  // namespace brelfx
