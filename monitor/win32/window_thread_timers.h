// Timers of the monitor's window that any thread may start and stop.
// SetTimer and KillTimer act only for the thread that owns the window, so a
// call from another thread (the worker's live-recording announcements) is
// posted to the window and carried out there.
#pragma once

#include <windows.h>

#include "platform/win32/window_timers.h"

namespace brelfx {

class WindowThreadTimers final : public WindowTimers {
 public:
  // Messages the window passes to OnRequest.
  static constexpr UINT kStartRequest = WM_APP + 1;  // wParam id, lParam interval
  static constexpr UINT kStopRequest = WM_APP + 2;   // wParam id

  explicit WindowThreadTimers(HWND window);

  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;
  // On the window's thread.
  void OnRequest(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool OnWindowThread() const { return GetCurrentThreadId() == windowThread_; }

  HWND window_;
  DWORD windowThread_;
  Win32WindowTimers timers_;
};

}  // namespace brelfx
