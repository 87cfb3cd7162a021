#include "tests/support/recording_input.h"

#include <cstdio>

namespace brelfx::test {

void RecordingInput::KeyboardEvent(std::uint8_t vk, std::uint8_t scanCode, std::uint32_t flags) {
  std::lock_guard lock(mutex_);
  events_.push_back({clock_.NowMs(), false, vk, scanCode, flags, 0});
}

void RecordingInput::MouseEvent(std::uint32_t flags, std::uint32_t data) {
  std::lock_guard lock(mutex_);
  events_.push_back({clock_.NowMs(), true, 0, 0, flags, data});
}

std::vector<InjectedEvent> RecordingInput::Events() const {
  std::lock_guard lock(mutex_);
  return events_;
}

std::vector<std::string> RecordingInput::Log() const {
  std::vector<std::string> log;
  char line[64];
  for (const InjectedEvent& e : Events()) {
    if (e.mouse) {
      std::snprintf(line, sizeof(line), "%lld mouse %x/%u", static_cast<long long>(e.timeMs),
                    static_cast<unsigned>(e.flags), static_cast<unsigned>(e.data));
    } else {
      std::snprintf(line, sizeof(line), "%lld %x%c", static_cast<long long>(e.timeMs), e.vk,
                    (e.flags & kKeyEventKeyUp) ? '-' : '+');
    }
    log.emplace_back(line);
  }
  return log;
}

}  // namespace brelfx::test
