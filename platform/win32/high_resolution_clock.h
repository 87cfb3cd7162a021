// A clock for schedules that must keep to the tenth of a millisecond (macro
// playback): QueryPerformanceCounter for the time, and waits that sleep on a
// high-resolution waitable timer until shortly before the deadline, then
// yield the processor until it is reached. Where the system has no
// high-resolution timer the sleep is Sleep with the timer resolution raised
// to 1 ms (timeBeginPeriod) for just that wait.
//
// One instance per waiting thread: the waitable timer is not shared.
#pragma once

#include "platform/clock.h"
#include "platform/win32/handles.h"

namespace brelfx {

class HighResolutionClock final : public Clock {
 public:
  HighResolutionClock();

  std::int64_t NowMs() override { return NowUs() / 1000; }
  void SleepMs(std::int64_t ms) override;
  std::int64_t NowUs() override;
  void SleepUntilUs(std::int64_t deadlineUs) override;

  bool HasHighResolutionTimer() const { return static_cast<bool>(timer_); }

 private:
  void SleepAbout(std::int64_t us);

  UniqueHandle timer_;
  std::int64_t frequency_;
};

}  // namespace brelfx
