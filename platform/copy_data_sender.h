// WM_COPYDATA to a window of another program. That program may hang or end
// at any moment, so no send waits without bound.
#pragma once

#include <cstdint>
#include <span>

#include "platform/window_messenger.h"

namespace brelfx {

enum class CopyDataDelivery {
  kHandled,      // the window answered
  kNotAnswered,  // it hangs or took longer than allowed; it still exists
  kWindowGone,   // no such window (any more)
};

class CopyDataSender {
 public:
  virtual ~CopyDataSender() = default;
  // Sends the payload with the tag (COPYDATASTRUCT::dwData) and wParam,
  // waiting at most timeoutMs for the answer, and not at all for a window
  // whose thread hangs.
  virtual CopyDataDelivery Send(WindowId window, std::uintptr_t wParam, std::uintptr_t tag,
                                std::span<const std::uint8_t> payload, int timeoutMs) = 0;
  virtual bool Exists(WindowId window) = 0;
};

}  // namespace brelfx
