#include "option/skin/win32/slider.h"

#include <algorithm>

#include "option/skin/skin_messages.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/region_from_bitmap.h"
#include "option/skin/win32/skin_image.h"
#include "platform/log.h"

namespace brelfx {
namespace {

constexpr const char* kTrackClass = "BrelFX.SliderTrack";
constexpr const char* kThumbClass = "BrelFX.SliderThumb";

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

COLORREF TopLeftColor(HBITMAP bitmap) {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return CLR_INVALID;
  SelectGuard select(dc.get(), bitmap);
  return GetPixel(dc.get(), 0, 0);
}

}  // namespace

// ---- thumb

bool CPHSlider::Create(HWND track, int thumbBitmapId, const SliderTravel& travel, int id) {
  bitmap_ = LoadSkinBitmap(thumbBitmapId);
  if (!bitmap_ || !RegisterWindowClass(kThumbClass)) return false;
  travel_ = travel;
  id_ = id;
  const SIZE size = BitmapSize(bitmap_.get());
  travel_.thumbWidth = size.cx;
  const RECT rect{travel_.left, 0, travel_.left + size.cx, size.cy};
  if (!CreateWindowObject(0, kThumbClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, track,
                          nullptr)) {
    return false;
  }
  // Everything of the thumb's top-left colour is outside its shape.
  const COLORREF background = TopLeftColor(bitmap_.get());
  UniqueRegion region = RegionFromBitmap(bitmap_.get(), background, 0);
  if (region && SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();
  return true;
}

void CPHSlider::SetPos(int value) {
  value_ = std::clamp(value, std::min(range_.minimum, range_.maximum),
                      std::max(range_.minimum, range_.maximum));
  if (hwnd()) {
    SetWindowPos(hwnd(), nullptr, ThumbLeftForValue(value_, range_, travel_), 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int CPHSlider::CurrentLeft() const {
  RECT rect;
  GetWindowRect(hwnd(), &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd()), reinterpret_cast<POINT*>(&rect), 2);
  return rect.left;
}

LRESULT CPHSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return TRUE;
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(lParam);
    case WM_MOUSEMOVE:
      return OnMouseMove(lParam);
    case WM_LBUTTONUP:
      return OnLeftButtonUp();
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      return OnKeyDown(static_cast<unsigned>(wParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The track draws the focus mark around the whole slider.
      InvalidateRect(GetParent(hwnd()), nullptr, FALSE);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT CPHSlider::OnKeyDown(unsigned virtualKey) {
  if (const auto next = SliderValueAfterKey(virtualKey, value_, range_)) {
    if (*next != value_) {
      SetPos(*next);
      Report(value_);
    }
  }
  return 0;
}

LRESULT CPHSlider::OnPaint() {
  PaintDc paint(hwnd());
  DrawBitmap(paint.get(), bitmap_.get(), 0, 0);
  return 0;
}

LRESULT CPHSlider::OnLeftButtonDown(LPARAM lParam) {
  if (!draggable_) return 0;
  SetCapture(hwnd());
  dragging_ = true;
  pressPoint_ = PointOf(lParam);
  return 0;
}

LRESULT CPHSlider::OnMouseMove(LPARAM lParam) {
  if (!dragging_) return 0;
  const int left = ClampThumbLeft(CurrentLeft() + PointOf(lParam).x - pressPoint_.x, travel_);
  SetWindowPos(hwnd(), nullptr, left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  value_ = SettleSliderValue(ThumbValue(left, range_, travel_), false, range_);
  Report(value_);
  return 0;
}

LRESULT CPHSlider::OnLeftButtonUp() {
  if (!dragging_) return 0;
  dragging_ = false;
  ReleaseCapture();
  const double raw = ThumbValue(CurrentLeft(), range_, travel_);
  DebugLog("CPHSlider=%f\n", raw);
  value_ = SettleSliderValue(raw, rounding_, range_);
  Report(value_);
  if (rounding_) SetPos(value_);
  return 0;
}

void CPHSlider::Report(int value) {
  PostMessageA(GetParent(hwnd()), WM_SLIDER_POS, value, id_);
}

// ---- track

CclickHSlider::~CclickHSlider() {
  DestroyWindowNow();
}

bool CclickHSlider::Create(int thumbBitmapId, const RECT& rect, HWND owner, int id) {
  // The thumb's picture decides whether there can be a slider at all.
  if (!LoadSkinBitmap(thumbBitmapId) || !RegisterWindowClass(kTrackClass)) return false;
  thumbBitmapId_ = thumbBitmapId;
  owner_ = owner;
  id_ = id;
  return CreateWindowObject(0, kTrackClass, "", WS_CHILD | WS_VISIBLE, rect, owner,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr &&
         thumb_.hwnd() != nullptr;
}

void CclickHSlider::SetBackground(const RECT& rect, HBITMAP sourceImage) {
  CropSkinImage(nullptr, background_, sourceImage, rect);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CclickHSlider::SetRange(int minimum, int maximum) {
  range_ = SliderRange{minimum, maximum};
  thumb_.SetRange(range_);
}

void CclickHSlider::SetPos(int value) {
  thumb_.SetPos(value);
}

void CclickHSlider::SetRounding(bool on) {
  rounding_ = on;
  thumb_.SetRounding(on);
}

LRESULT CclickHSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return TRUE;
    case WM_LBUTTONUP:
      return OnLeftButtonUp(lParam);
    case WM_MOUSEMOVE:
      help_.OnMouseMove(hwnd());
      return 0;
    case WM_MOUSELEAVE:
      help_.OnMouseLeave();
      return 0;
    case WM_SLIDER_POS:  // from the thumb: the owner knows the slider by the track's id
      PostMessageA(owner_, WM_SLIDER_POS, wParam, id_);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT CclickHSlider::OnCreate() {
  RECT client;
  GetClientRect(hwnd(), &client);
  if (!thumb_.Create(hwnd(), thumbBitmapId_, SliderTravel{0, client.right, 0}, id_)) return -1;
  thumb_.SetRange(range_);
  thumb_.SetPos(0);
  thumb_.SetDraggable(true);
  return 0;
}

LRESULT CclickHSlider::OnPaint() {
  PaintDc paint(hwnd());
  if (background_) {
    DrawBitmap(paint.get(), background_.get(), 0, 0);
  } else {
    FillRect(paint.get(), &paint.paint().rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  if (GetFocus() == thumb_.hwnd()) {
    RECT client;
    GetClientRect(hwnd(), &client);
    DrawFocusMark(paint.get(), client, 0);
  }
  return 0;
}

LRESULT CclickHSlider::OnLeftButtonUp(LPARAM lParam) {
  RECT client;
  GetClientRect(hwnd(), &client);
  const double raw = TrackClickValue(PointOf(lParam).x, 0, client.right, range_);
  DebugLog("CclickHSlider=%f\n", raw);
  const int value = SettleSliderValue(raw, rounding_, range_);
  thumb_.SetPos(value);
  PostMessageA(owner_, WM_SLIDER_POS, value, id_);
  return 0;
}

}  // namespace brelfx
