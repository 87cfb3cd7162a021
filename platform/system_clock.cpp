#include <chrono>
#include <thread>

#include "platform/clock.h"

namespace brelfx {
namespace {

class SteadyClock final : public Clock {
 public:
  std::int64_t NowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  void SleepMs(std::int64_t ms) override {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  std::int64_t NowUs() override {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
  }
  void SleepUntilUs(std::int64_t deadlineUs) override {
    using namespace std::chrono;
    std::this_thread::sleep_until(steady_clock::time_point(microseconds(deadlineUs)));
  }
};

}  // namespace

Clock& SystemClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace brelfx
