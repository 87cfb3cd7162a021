#include "monitor/win32/window_thread_timers.h"

namespace brelfx {

WindowThreadTimers::WindowThreadTimers(HWND window)
    : window_(window), windowThread_(GetWindowThreadProcessId(window, nullptr)), timers_(window) {}

void WindowThreadTimers::StartTimer(int id, int intervalMs) {
  if (OnWindowThread()) {
    timers_.StartTimer(id, intervalMs);
  } else {
    // A timer needs a period: 0 would read as a stop.
    Queue({id, intervalMs > 0 ? intervalMs : 1});
  }
}

void WindowThreadTimers::StopTimer(int id) {
  if (OnWindowThread()) {
    timers_.StopTimer(id);
  } else {
    Queue({id, 0});
  }
}

void WindowThreadTimers::Queue(Request request) {
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  PostMessageA(window_, kWakeMessage, 0, 0);
}

void WindowThreadTimers::OnWake() {
  std::vector<Request> requests;
  {
    std::lock_guard lock(mutex_);
    requests.swap(requests_);
  }
  for (const Request& request : requests) {
    if (request.intervalMs > 0) {
      timers_.StartTimer(request.id, request.intervalMs);
    } else {
      timers_.StopTimer(request.id);
    }
  }
}

}  // namespace brelfx
