// Not a test: the least a Windows program under Wine does before its first
// paint — one 800 x 600 popup window with the option window's title, shown
// and filled with grey, and the option application's instance mutex. Timed
// by option-startup-bench in place of BrelFXOption.exe, it gives the floor
// that the option application's start-up is measured against
// (scripts/option-startup-bench.sh).
#include <windows.h>

#include "settings/shared_catalogue.h"

namespace {

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      HBRUSH grey = CreateSolidBrush(RGB(90, 96, 104));
      FillRect(dc, &paint.rcPaint, grey);
      DeleteObject(grey);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HANDLE single = CreateMutexA(nullptr, FALSE, brelfx::kOptionInstanceMutexName);
  if (!single || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = FloorWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "BrelFX.StartupFloor";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_APPWINDOW, windowClass.lpszClassName,
                                brelfx::kOptionWindowTitle, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                                240, 200, 800, 600, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  CloseHandle(single);
  return 0;
}
