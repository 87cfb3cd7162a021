// Messages between the programs' top-level windows, found by exact title.
#pragma once

#include <cstdint>

namespace brelfx {

// An opaque window handle; 0 is no window.
using WindowId = std::uintptr_t;

class WindowMessenger {
 public:
  virtual ~WindowMessenger() = default;

  // The top-level window with exactly this title, or 0. Look it up before
  // each message: the other program may have restarted since.
  virtual WindowId FindByTitle(const char* title) = 0;
  // Returns once the receiving window has handled the message; its result.
  virtual std::intptr_t Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
  // Queues the message; false when it could not be queued.
  virtual bool Post(WindowId window, unsigned int message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;
};

}  // namespace brelfx
