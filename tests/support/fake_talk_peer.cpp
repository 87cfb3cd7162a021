#include "tests/support/fake_talk_peer.h"

namespace brelfx::test {

CopyDataDelivery FakeCopyDataSender::Send(WindowId window, std::uintptr_t wParam,
                                          std::uintptr_t tag,
                                          std::span<const std::uint8_t> payload, int timeoutMs) {
  if (!Exists(window)) return CopyDataDelivery::kWindowGone;
  if (!answers) return CopyDataDelivery::kNotAnswered;
  delivered.push_back({window, wParam, tag, {payload.begin(), payload.end()}, timeoutMs});
  return CopyDataDelivery::kHandled;
}

std::string Latin1Text::FromUtf16(std::u16string_view text) {
  std::string ansi;
  for (const char16_t c : text) ansi.push_back(c < 0x100 ? static_cast<char>(c) : '?');
  return ansi;
}

}  // namespace brelfx::test
