// Timers of the monitor's window that any thread may start and stop.
// SetTimer and KillTimer act only for the thread that owns the window, so a
// call from another thread (the worker's live-recording announcements) is
// queued here and carried out on the window's thread after a wake message.
// The queue is private to the process and the wake carries nothing: another
// program that posts the wake message finds an empty queue, and can neither
// start nor stop a timer.
#pragma once

#include <windows.h>

#include <mutex>
#include <vector>

#include "platform/win32/window_timers.h"

namespace brelfx {

class WindowThreadTimers final : public WindowTimers {
 public:
  // The message the window passes to OnWake; its parameters are ignored.
  static constexpr UINT kWakeMessage = WM_APP + 1;

  explicit WindowThreadTimers(HWND window);

  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;
  // On the window's thread: carries out the queued requests.
  void OnWake();

 private:
  struct Request {
    int id;
    int intervalMs;  // 0: stop
  };
  bool OnWindowThread() const { return GetCurrentThreadId() == windowThread_; }
  void Queue(Request request);

  HWND window_;
  DWORD windowThread_;
  Win32WindowTimers timers_;
  std::mutex mutex_;
  std::vector<Request> requests_;
};

}  // namespace brelfx
