#include "upgrade/win32/upgrade_progress_bar.h"

#include <algorithm>

#include "platform/win32/handles.h"

namespace brelfx {
namespace {

constexpr const char* kClassName = "BrelFX.UpgradeProgress";

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.get());
}

}  // namespace

bool CUpgradeProgressBar::Create(HWND parent, const RECT& rect) {
  return RegisterWindowClass(kClassName) &&
         CreateWindowObject(0, kClassName, "", WS_CHILD | WS_VISIBLE, rect, parent, nullptr);
}

void CUpgradeProgressBar::SetRange(int maximum) {
  maximum_ = std::max(maximum, 1);
  SetPosition(position_);
}

void CUpgradeProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, 0, maximum_);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CUpgradeProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return 1;
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT CUpgradeProgressBar::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  RECT bar = client;
  bar.right = client.left + MulDiv(client.right - client.left, position_, maximum_);
  RECT track = client;
  track.left = bar.right;
  Fill(dc, bar, kProgressBarColor);
  Fill(dc, track, kProgressTrackColor);
  EndPaint(hwnd(), &paint);
  return 0;
}

}  // namespace brelfx
