#include "option/win32/progress_bar.h"

#include "option/app/apply_progress.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"

namespace brelfx {
namespace {

constexpr const char* kProgressClass = "BrelFX.ApplyProgress";

}  // namespace

CApplyProgressBar::~CApplyProgressBar() { DestroyWindowNow(); }

bool CApplyProgressBar::Create(HWND parent, const RECT& rect, UniqueBitmap empty,
                               UniqueBitmap full) {
  if (!RegisterWindowClass(kProgressClass)) return false;
  empty_ = std::move(empty);
  full_ = std::move(full);
  width_ = rect.right - rect.left;
  return CreateWindowObject(0, kProgressClass, "", WS_CHILD, rect, parent, nullptr);
}

void CApplyProgressBar::Start() {
  lit_ = 0;
  ShowWindow(hwnd(), SW_SHOWNA);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CApplyProgressBar::SetProgress(long long written, long long planned) {
  const int lit = ApplyProgressFill(written, planned, width_);
  if (lit == lit_) return;
  lit_ = lit;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CApplyProgressBar::Stop() { ShowWindow(hwnd(), SW_HIDE); }

LRESULT CApplyProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return TRUE;
    default: return Default(message, wParam, lParam);
  }
}

LRESULT CApplyProgressBar::OnPaint() {
  PaintBuffered(hwnd(), [this](HDC dc, const RECT& client) {
    DrawBitmap(dc, empty_.get(), 0, 0);
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    const HGDIOBJ old = SelectObject(source.get(), full_.get());
    BitBlt(dc, 0, 0, lit_, client.bottom, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), old);
  });
  return 0;
}

}  // namespace brelfx
