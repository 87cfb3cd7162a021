#include "platform/win32/high_resolution_clock.h"

#include <mmsystem.h>

#include "platform/win32/last_error.h"

// Windows 10 1803 and later; older mingw headers lack the name.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace brelfx {
namespace {

// Timers and Sleep may end this much late; the rest is spent yielding.
constexpr std::int64_t kYieldUs = 1000;

}  // namespace

HighResolutionClock::HighResolutionClock()
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS)) {
  // Before Windows 10 1803: Sleep with a 1 ms timer resolution instead.
  if (!timer_) LogLastError("CreateWaitableTimerExW (high resolution)");
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  frequency_ = frequency.QuadPart;
}

std::int64_t HighResolutionClock::NowUs() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  // Split so the product cannot overflow however long the machine runs.
  const std::int64_t seconds = counter.QuadPart / frequency_;
  const std::int64_t rest = counter.QuadPart % frequency_;
  return seconds * 1'000'000 + rest * 1'000'000 / frequency_;
}

void HighResolutionClock::SleepMs(std::int64_t ms) {
  if (ms > 0) SleepUntilUs(NowUs() + ms * 1000);
}

void HighResolutionClock::SleepUntilUs(std::int64_t deadlineUs) {
  for (std::int64_t remaining = deadlineUs - NowUs(); remaining > 0;
       remaining = deadlineUs - NowUs()) {
    if (remaining > kYieldUs) {
      SleepAbout(remaining - kYieldUs);
    } else {
      SwitchToThread();
    }
  }
}

void HighResolutionClock::SleepAbout(std::int64_t us) {
  if (timer_) {
    LARGE_INTEGER due;
    due.QuadPart = -us * 10;  // relative, in 100 ns units
    if (SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
      WaitForSingleObject(timer_.get(), INFINITE);
      return;
    }
  }
  timeBeginPeriod(1);
  Sleep(static_cast<DWORD>(us / 1000));
  timeEndPeriod(1);
}

}  // namespace brelfx
