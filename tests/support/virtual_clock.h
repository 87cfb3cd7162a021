// A clock whose sleeps only advance its own time: protocols that pause for
// seconds run in microseconds, and the total waited can be checked.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace brelfx::test {

class VirtualClock final : public Clock {
 public:
  std::int64_t NowMs() override { return now_.load(); }
  void SleepMs(std::int64_t ms) override;

  // Called after every sleep with the new time; lets a test act "during" a
  // pause (set a cancel flag, unplug the keyboard, …).
  std::function<void(std::int64_t nowMs)> onSleep;
  int sleepCount() const { return sleeps_.load(); }

 private:
  std::atomic<std::int64_t> now_{0};
  std::atomic<int> sleeps_{0};
};

}  // namespace brelfx::test
