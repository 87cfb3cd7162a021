// Window messaging through FindWindowA, SendMessageA and PostMessageA.
#pragma once

#include "platform/window_messenger.h"

namespace brelfx {

class Win32WindowMessenger final : public WindowMessenger {
 public:
  WindowId FindByTitle(const char* title) override;
  std::intptr_t Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool Post(WindowId window, unsigned int message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
};

}  // namespace brelfx
