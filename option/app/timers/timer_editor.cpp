#include "option/app/timers/timer_editor.h"

#include "option/app/timers/timer_rules.h"
#include "settings/trimmed_name.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

// The length shown while no timer is current.
constexpr int kNoTimerSeconds = 10;

}  // namespace

bool TimerEditor::HasCurrent() const {
  return current_ >= 0 && current_ < static_cast<int>(timers_.size());
}

TimerEditor::Shown TimerEditor::Displayed() const {
  if (!HasCurrent()) return Shown{"", kNoTimerSeconds};
  const TimerRecord& timer = timers_[current_];
  return Shown{TextField(timer.name), timer.seconds};
}

void TimerEditor::Choose(int index) {
  if (index >= 0 && index < static_cast<int>(timers_.size())) current_ = index;
}

bool TimerEditor::Save(std::string_view typedName, int seconds) {
  const std::string name = TrimmedName(typedName);
  // Without a current timer there is nothing to rename: the editor never
  // makes timers (that is "Create Timer", which keeps the list's limit).
  if (name.empty() || !HasCurrent()) return false;
  const int named = FindTimerNamed(timers_, name);
  if (named >= 0 && named != current_) return false;
  TimerRecord& timer = timers_[current_];
  if (named < 0) timer = MakeTimer(name, 0);
  timer.seconds = ClampTimerSeconds(seconds);
  return true;
}

void TimerEditor::DeleteCurrent() {
  if (!HasCurrent()) return;
  timers_.erase(timers_.begin() + current_);
  if (timers_.empty()) {
    current_ = -1;
  } else if (current_ >= static_cast<int>(timers_.size())) {
    current_ = static_cast<int>(timers_.size()) - 1;
  }
}

}  // namespace brelfx
