// The announcement queue: spoken feedback (profile, live-recording steps)
// starts 500 ms after it was asked for, so a newer announcement replaces one
// that has not started yet. The countdown's final phase and a trophy sound
// hold announcements back.
#pragma once

#include <atomic>

#include "monitor/sound/countdown.h"
#include "monitor/sound/sound_player.h"
#include "platform/window_timers.h"
#include "settings/settings_block.h"

namespace brelfx {

class Announcer {
 public:
  Announcer(const SettingsBlock& settings, WindowTimers& timers, SoundPlayer& sounds,
            const Countdown& countdown);

  // Queues the announcement of timer 601-607. Callers test their own sound
  // switch first. Also called from the worker thread.
  void Announce(int timerId);
  // Stops the queued announcements (timers 601-607 and 610) and ends the
  // trophy-sound block.
  void CancelAnnouncements();
  // Trophy unlocked: plays the sound (0x3C or 0x3D) at once and holds other
  // announcements back for 4000 ms. Nothing during the countdown's final phase.
  void PlayTrophySound(int soundCode);

  // Timers 601-607 and 610; false for any other id.
  bool OnTimer(int timerId);

  bool TrophySoundPlaying() const { return trophySound_.load() != 0; }

 private:
  const SettingsBlock& settings_;
  WindowTimers& timers_;
  SoundPlayer& sounds_;
  const Countdown& countdown_;
  std::atomic<int> trophySound_{0};
};

}  // namespace brelfx
