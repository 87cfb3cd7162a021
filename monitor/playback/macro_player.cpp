#include "monitor/playback/macro_player.h"

#include <algorithm>

namespace brelfx {
namespace {

constexpr int kTypematicDelayMs = 500;  // a press held longer starts repeating
constexpr int kTypematicStepMs = 33;
constexpr int kReleaseStepMs = 50;  // between the releases of a stopped macro
constexpr std::int64_t kQuitPollUs = 100'000;
// Lateness the next events catch up. When the system kept the player from
// running so long that even the next event is later than this, the rest of
// the macro moves instead, so its keys keep their delays rather than coming
// in a burst.
constexpr std::int64_t kCatchUpUs = 10'000;

constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;

}  // namespace

// Deadline-based waits of one playback. A shutdown cuts them short.
class MacroPlayer::Schedule {
 public:
  Schedule(Clock& clock, const std::atomic<int>& quit)
      : clock_(clock), quit_(quit), dueUs_(clock.NowUs()) {}

  void Wait(int ms) {
    dueUs_ += std::int64_t{ms} * 1000;
    if (clock_.NowUs() - dueUs_ > kCatchUpUs) {
      dueUs_ = clock_.NowUs();
      return;
    }
    while (quit_.load() == 0) {
      const std::int64_t now = clock_.NowUs();
      if (now >= dueUs_) return;
      clock_.SleepUntilUs(std::min(dueUs_, now + kQuitPollUs));
    }
  }

 private:
  Clock& clock_;
  const std::atomic<int>& quit_;
  std::int64_t dueUs_;
};

MacroPlayer::MacroPlayer(KeySender& keys, Clock& clock) : keys_(keys), clock_(clock) {
  held_.reserve(kMaxActions);
}

std::optional<MacroJob> MacroPlayer::StartOrStop(const KeyAssignment& entry) {
  if (entry.FunctionCode != kFnMacro || entry.ActionCount == 0) return std::nullopt;
  if (Playing()) {
    abort_ = 1;
    return std::nullopt;
  }
  MacroJob job;
  std::copy(std::begin(entry.Actions), std::end(entry.Actions), job.events.begin());
  // The count comes from a file or the keyboard: never past the 500 slots.
  job.eventCount = std::min<int>(entry.ActionCount, kMaxActions);
  job.loopCount = entry.RepeatCount > 0 ? entry.RepeatCount : 1;
  job.startIndex = 0;
  abort_ = 0;
  // Set here, not when the player thread picks the job up, so that a second
  // press in between stops this macro instead of queueing it twice.
  playing_ = 1;
  return job;
}

void MacroPlayer::Play(const MacroJob& job) {
  playing_ = 1;
  held_.clear();
  Schedule schedule(clock_, quit_);
  bool stopped = quit_.load() != 0;
  for (int pass = 0; pass < job.loopCount && !stopped; ++pass) {
    for (int i = job.startIndex; i < job.eventCount; ++i) {
      if (abort_.load() != 0) break;
      PlayEvent(job.events[i], schedule);
    }
    stopped = abort_.load() != 0;
  }
  if (stopped) ReleaseHeld(schedule);
  playing_ = 0;
}

void MacroPlayer::Quit() {
  quit_ = 1;
  abort_ = 1;
}

void MacroPlayer::PlayEvent(const MacroEvent& event, Schedule& schedule) {
  const int delay = event.Delay == 0 ? 1 : event.Delay;
  if (event.Type == kPress) {
    held_.push_back(event.Code);
  } else if (event.Type == kRelease) {
    auto newest = std::find(held_.rbegin(), held_.rend(), event.Code);
    if (newest != held_.rend()) held_.erase(std::next(newest).base());
  }
  // Stored macros hold only presses and releases; anything else is waited
  // but not sent, so no key can go down that the held list does not know.
  const bool known = event.Type == kPress || event.Type == kRelease;
  if (IsMouseCode(event.Code)) {
    if (known) keys_.SendCode(event.Code, event.Type == kRelease);
    schedule.Wait(delay);
    return;
  }
  const InjectedKey key = keys_.KeyOfCode(event.Code);
  if (known && key.vk != 0) keys_.SendKey(key, event.Type == kRelease);
  if (event.Type == kPress && delay > kTypematicDelayMs) {
    HoldTypematic(key, delay, schedule);
  } else {
    schedule.Wait(delay);
  }
}

// A long press: after 500 ms the key repeats every 33 ms as a held key of a
// real keyboard would, as up/down pairs, until the delay is used up.
void MacroPlayer::HoldTypematic(InjectedKey key, int delayMs, Schedule& schedule) {
  schedule.Wait(kTypematicDelayMs);
  for (int remaining = delayMs - kTypematicDelayMs; remaining > 0; remaining -= kTypematicStepMs) {
    if (key.vk != 0) {
      keys_.SendKey(key, true);
      keys_.SendKey(key, false);
    }
    if (abort_.load() != 0) return;
    schedule.Wait(kTypematicStepMs);
  }
}

// A stopped macro releases every key and button it still holds, whichever
// pass pressed it, newest first; a key pressed twice goes up once.
void MacroPlayer::ReleaseHeld(Schedule& schedule) {
  while (!held_.empty()) {
    const std::uint8_t code = held_.back();
    std::erase(held_, code);
    keys_.SendCode(code, true);
    schedule.Wait(kReleaseStepMs);
  }
}

}  // namespace brelfx
