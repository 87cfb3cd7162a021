// Time seam: every pause, poll and timer of the logic goes through a Clock so
// tests can run long protocols in virtual time and benchmarks on a real clock.
#pragma once

#include <cstdint>

namespace brelfx {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary fixed start.
  virtual std::int64_t NowMs() = 0;
  // Waits the given milliseconds (no-op for 0 or less).
  virtual void SleepMs(std::int64_t ms) = 0;

  // Microseconds from the same start as NowMs. Schedules of many events
  // (macro playback) keep their deadlines in these so errors never add up.
  virtual std::int64_t NowUs() { return NowMs() * 1000; }
  // Waits until NowUs() reaches deadlineUs; returns at once when it has passed.
  virtual void SleepUntilUs(std::int64_t deadlineUs) {
    const std::int64_t remainingUs = deadlineUs - NowUs();
    if (remainingUs > 0) SleepMs((remainingUs + 999) / 1000);
  }
};

// The process's steady clock with real sleeps.
Clock& SystemClock();

}  // namespace brelfx
