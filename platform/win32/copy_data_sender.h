// WM_COPYDATA through SendMessageTimeoutA with SMTO_ABORTIFHUNG.
#pragma once

#include "platform/copy_data_sender.h"

namespace brelfx {

class Win32CopyDataSender final : public CopyDataSender {
 public:
  CopyDataDelivery Send(WindowId window, std::uintptr_t wParam, std::uintptr_t tag,
                        std::span<const std::uint8_t> payload, int timeoutMs) override;
  bool Exists(WindowId window) override;
};

}  // namespace brelfx
