// Window timers in virtual time: RunFor advances the clock and fires the
// timers that come due, in time order, through a dispatch function — the
// part of the monitor's window that routes WM_TIMER. Time a handler spends
// sleeping on the same clock delays the timers after it, as on a GUI thread.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "platform/window_timers.h"

namespace brelfx::test {

class FakeWindowTimers final : public WindowTimers {
 public:
  explicit FakeWindowTimers(Clock& clock) : clock_(clock) {}

  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;

  void RunFor(std::int64_t ms, const std::function<void(int id)>& fire);

  bool IsRunning(int id) const { return Find(id) != nullptr; }

 private:
  struct Timer {
    int id;
    int intervalMs;
    std::int64_t dueMs;
  };
  const Timer* Find(int id) const;

  Clock& clock_;
  std::vector<Timer> timers_;
};

}  // namespace brelfx::test
