#include "option/app/timers/timer_rules.h"

#include <algorithm>

#include "settings/trimmed_name.h"
#include "settings/text_field.h"

namespace brelfx {

bool CanCreateTimer(const TimerList& timers) { return timers.size() < kMostTimers; }

int FindTimerNamed(const TimerList& timers, std::string_view name) {
  for (std::size_t i = 0; i < timers.size(); ++i)
    if (SameName(TextField(timers[i].name), name)) return static_cast<int>(i);
  return -1;
}

std::optional<std::string> AcceptNewTimerName(const TimerList& timers, std::string_view typed) {
  std::string name = TrimmedName(typed);
  if (name.empty() || FindTimerNamed(timers, name) >= 0) return std::nullopt;
  return name;
}

int ClampTimerSeconds(int seconds) {
  return std::clamp(seconds, kTimerMinSeconds, kTimerMaxSeconds);
}

TimerRecord MakeTimer(std::string_view name, int seconds) {
  TimerRecord timer{};
  timer.seconds = seconds;
  SetTextField(timer.name, name);
  return timer;
}

}  // namespace brelfx
