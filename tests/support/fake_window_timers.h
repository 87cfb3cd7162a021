// Window timers in virtual time: RunFor advances the time and fires the
// timers that come due, in time order, through a dispatch function — the
// part of the monitor's window that routes WM_TIMER.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/window_timers.h"

namespace brelfx::test {

class FakeWindowTimers final : public WindowTimers {
 public:
  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;

  void RunFor(std::int64_t ms, const std::function<void(int id)>& fire);

  std::int64_t NowMs() const { return now_; }
  bool IsRunning(int id) const { return Find(id) != nullptr; }
  // Interval of a running timer, 0 when it does not run.
  int IntervalOf(int id) const;

 private:
  struct Timer {
    int id;
    int intervalMs;
    std::int64_t dueMs;
  };
  const Timer* Find(int id) const;

  std::vector<Timer> timers_;
  std::int64_t now_ = 0;
};

}  // namespace brelfx::test
