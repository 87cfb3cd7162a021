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
};

// The process's steady clock with real sleeps.
Clock& SystemClock();

}  // namespace brelfx
