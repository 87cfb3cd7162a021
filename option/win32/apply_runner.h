// The monitor's messages without a frozen window. Apply's SendMessage to the
// monitor returns only when the keyboard has been written, which after a
// Load takes tens of seconds. This messenger makes that call from a worker
// thread and keeps the window's thread pumping messages meanwhile (paint,
// drag, the monitor's progress reports); the caller's code stays one
// straight sequence on the window's thread, so no settings block is ever
// touched by two threads.
#pragma once

#include <functional>

#include "platform/window_messenger.h"

namespace brelfx {

class PumpingMessenger final : public WindowMessenger {
 public:
  // `waitStarts(true)` before the call leaves the window's thread,
  // `waitStarts(false)` once it has returned.
  PumpingMessenger(WindowMessenger& system, std::function<void(bool waiting)> waitStarts)
      : system_(system), waitStarts_(std::move(waitStarts)) {}

  WindowId FindByTitle(const char* title) override { return system_.FindByTitle(title); }
  std::intptr_t Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool Post(WindowId window, unsigned int message, std::uintptr_t wParam,
            std::intptr_t lParam) override {
    return system_.Post(window, message, wParam, lParam);
  }

 private:
  WindowMessenger& system_;
  std::function<void(bool)> waitStarts_;
};

}  // namespace brelfx
