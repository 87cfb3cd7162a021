#include "option/skin/win32/tests/test_window.h"

#include "platform/win32/handles.h"

namespace brelfx::testing {

TestOwner::TestOwner() {
  RegisterWindowClass("BrelFX.TestOwner");
  CreateWindowObject(0, "BrelFX.TestOwner", "skin test owner", WS_POPUP, RECT{0, 0, 400, 300},
                     nullptr, nullptr);
}

std::vector<Received> TestOwner::Of(UINT message) const {
  std::vector<Received> found;
  for (const Received& r : received)
    if (r.message == message) found.push_back(r);
  return found;
}

LRESULT TestOwner::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER || message == WM_COMMAND || message == WM_NCLBUTTONDOWN) {
    received.push_back(Received{message, wParam, lParam});
  }
  // A drag is recorded instead of starting the system's move loop.
  if (message == WM_NCLBUTTONDOWN) return 0;
  return Default(message, wParam, lParam);
}

void Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  SelectGuard select(dc.get(), bitmap);
  return GetPixel(dc.get(), x, y);
}

}  // namespace brelfx::testing
