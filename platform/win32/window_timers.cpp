#include "platform/win32/window_timers.h"

#include "platform/win32/last_error.h"

namespace brelfx {

void Win32WindowTimers::StartTimer(int id, int intervalMs) {
  if (SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(intervalMs), nullptr) == 0) {
    LogLastError("SetTimer");
  }
}

void Win32WindowTimers::StopTimer(int id) {
  KillTimer(window_, static_cast<UINT_PTR>(id));
}

}  // namespace brelfx
