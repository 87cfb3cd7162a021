#include "monitor/win32/window_thread_timers.h"

namespace brelfx {

WindowThreadTimers::WindowThreadTimers(HWND window)
    : window_(window), windowThread_(GetWindowThreadProcessId(window, nullptr)), timers_(window) {}

void WindowThreadTimers::StartTimer(int id, int intervalMs) {
  if (OnWindowThread()) {
    timers_.StartTimer(id, intervalMs);
  } else {
    PostMessageA(window_, kStartRequest, static_cast<WPARAM>(id), intervalMs);
  }
}

void WindowThreadTimers::StopTimer(int id) {
  if (OnWindowThread()) {
    timers_.StopTimer(id);
  } else {
    PostMessageA(window_, kStopRequest, static_cast<WPARAM>(id), 0);
  }
}

void WindowThreadTimers::OnRequest(UINT message, WPARAM wParam, LPARAM lParam) {
  const int id = static_cast<int>(wParam);
  if (message == kStartRequest) timers_.StartTimer(id, static_cast<int>(lParam));
  if (message == kStopRequest) timers_.StopTimer(id);
}

}  // namespace brelfx
