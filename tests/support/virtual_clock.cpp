#include "tests/support/virtual_clock.h"

namespace brelfx::test {

void VirtualClock::SleepMs(std::int64_t ms) {
  if (ms <= 0) return;
  now_ += ms;
  ++sleeps_;
  if (onSleep) onSleep(now_.load());
}

}  // namespace brelfx::test
