#include "tests/support/fake_window_timers.h"

#include <algorithm>

namespace brelfx::test {

void FakeWindowTimers::StartTimer(int id, int intervalMs) {
  StopTimer(id);
  timers_.push_back({id, intervalMs, clock_.NowMs() + intervalMs});
}

void FakeWindowTimers::StopTimer(int id) {
  std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

void FakeWindowTimers::RunFor(std::int64_t ms, const std::function<void(int id)>& fire) {
  const std::int64_t end = clock_.NowMs() + ms;
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(),
                                 [](const Timer& a, const Timer& b) { return a.dueMs < b.dueMs; });
    if (next == timers_.end() || next->dueMs > end) break;
    clock_.SleepMs(next->dueMs - clock_.NowMs());
    next->dueMs = std::max(next->dueMs, clock_.NowMs()) + next->intervalMs;
    fire(next->id);
  }
  clock_.SleepMs(end - clock_.NowMs());
}

const FakeWindowTimers::Timer* FakeWindowTimers::Find(int id) const {
  for (const Timer& t : timers_) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace brelfx::test
