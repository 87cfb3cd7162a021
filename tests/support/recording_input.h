// An input injector that records every keyboard and mouse event with the time
// of a clock, for checks of what playback sent and when. Safe to feed from
// the player thread while another thread reads.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/input_injector.h"

namespace brelfx::test {

struct InjectedEvent {
  std::int64_t timeMs;
  bool mouse;
  std::uint8_t vk;
  std::uint8_t scanCode;
  std::uint32_t flags;
  std::uint32_t data;
};

class RecordingInput final : public InputInjector {
 public:
  explicit RecordingInput(Clock& clock) : clock_(clock) {}

  void KeyboardEvent(std::uint8_t vk, std::uint8_t scanCode, std::uint32_t flags) override;
  void MouseEvent(std::uint32_t flags, std::uint32_t data) override;

  std::vector<InjectedEvent> Events() const;
  // Compact form for comparisons: "<ms> <vk hex>+" (down), "<ms> <vk hex>-"
  // (up), "<ms> mouse <flags hex>/<data>".
  std::vector<std::string> Log() const;

 private:
  Clock& clock_;
  mutable std::mutex mutex_;
  std::vector<InjectedEvent> events_;
};

}  // namespace brelfx::test
