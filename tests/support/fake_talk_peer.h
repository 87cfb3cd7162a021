// Stand-ins for another program's windows that take copy-data (a Talk hub),
// and for the ANSI code page (Latin-1: what Windows-1252 does for the
// characters the tests use).
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/copy_data_sender.h"

namespace brelfx::test {

class FakeCopyDataSender final : public CopyDataSender {
 public:
  struct Delivery {
    WindowId window;
    std::uintptr_t wParam;
    std::uintptr_t tag;
    std::vector<std::uint8_t> payload;
    int timeoutMs;
  };

  CopyDataDelivery Send(WindowId window, std::uintptr_t wParam, std::uintptr_t tag,
                        std::span<const std::uint8_t> payload, int timeoutMs) override;
  bool Exists(WindowId window) override { return windows.count(window) != 0; }

  std::set<WindowId> windows;  // the windows that exist
  bool answers = true;         // false: every existing window hangs
  std::vector<Delivery> delivered;
};

class Latin1Text final : public AnsiText {
 public:
  std::string FromUtf16(std::u16string_view text) override;
};

}  // namespace brelfx::test
