#include "monitor/sound/countdown.h"

#include "monitor/sound/sound_table.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {

constexpr int kFinalPhaseSeconds = 5;

bool IsSpokenSecond(int seconds) {
  return seconds == 10 || (seconds >= 1 && seconds <= 5);
}

}  // namespace

Countdown::Countdown(WindowTimers& timers, SoundPlayer& sounds)
    : timers_(timers), sounds_(sounds) {}

void Countdown::StopKey() {
  if (!Running()) return;
  Stop();
  sounds_.Play(kSoundTimerStopped);
}

void Countdown::StartKey(int seconds) {
  // A running countdown starts over with the new length, out of its final
  // phase: otherwise a restart in the last seconds would keep every
  // announcement silent for the whole new countdown.
  if (Running()) timers_.StopTimer(kTimerCountdown);
  finalPhase_ = 0;
  running_ = 1;
  remaining_ = seconds;
  sounds_.Play(kSoundTimerActivated);
  timers_.StartTimer(kTimerCountdown, kCountdownStepMs);
  if (seconds == 10) sounds_.Play(kSoundTenSeconds);
}

void Countdown::Stop() {
  timers_.StopTimer(kTimerCountdown);
  running_ = 0;
  finalPhase_ = 0;
}

void Countdown::Step() {
  // A step that was already queued when the countdown stopped.
  if (!Running()) return;
  const int seconds = --remaining_;
  if (seconds <= kFinalPhaseSeconds) finalPhase_ = 1;
  if (IsSpokenSecond(seconds)) {
    sounds_.Play(seconds);
  } else if (seconds <= 0) {
    Stop();
    sounds_.Play(kSoundGo);
  }
}

}  // namespace brelfx
