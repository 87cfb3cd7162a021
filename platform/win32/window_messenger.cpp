#include "platform/win32/window_messenger.h"

#include <windows.h>

#include "platform/win32/last_error.h"

namespace brelfx {
namespace {
HWND ToHwnd(WindowId window) {
  return reinterpret_cast<HWND>(window);
}
}  // namespace

WindowId Win32WindowMessenger::FindByTitle(const char* title) {
  return reinterpret_cast<WindowId>(FindWindowA(nullptr, title));
}

std::intptr_t Win32WindowMessenger::Send(WindowId window, unsigned int message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  // No time-out: the sender waits until the receiver has done the work the
  // message asks for (the monitor answers an apply after writing the keyboard).
  return SendMessageA(ToHwnd(window), message, wParam, lParam);
}

bool Win32WindowMessenger::Post(WindowId window, unsigned int message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  if (PostMessageA(ToHwnd(window), message, wParam, lParam)) return true;
  LogLastError("PostMessageA");
  return false;
}

}  // namespace brelfx
