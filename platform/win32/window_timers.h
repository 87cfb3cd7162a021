// Window timers of one window (SetTimer/KillTimer); WM_TIMER reaches the
// window's procedure with the id in wParam.
#pragma once

#include <windows.h>

#include "platform/window_timers.h"

namespace brelfx {

class Win32WindowTimers final : public WindowTimers {
 public:
  explicit Win32WindowTimers(HWND window) : window_(window) {}

  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;

 private:
  HWND window_;
};

}  // namespace brelfx
