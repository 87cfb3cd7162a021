// Stands in for a game in the monitor's end-to-end tests: copied under the
// name of a game a profile lists, it shows a window, takes the foreground
// and runs until that window is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK GameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = GameProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
  windowClass.lpszClassName = "BrelFXGameStandIn";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("BrelFXGameStandIn", "Game stand-in", WS_OVERLAPPEDWINDOW, 40, 40,
                              640, 400, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
