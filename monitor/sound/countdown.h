// The countdown that the timer keys start and stop. It steps on timer 600
// once a second and speaks 10, 5, 4, 3, 2, 1 and "go"; its last five seconds
// are the final phase, which holds back every other announcement.
#pragma once

#include <atomic>

#include "monitor/sound/sound_player.h"
#include "platform/window_timers.h"

namespace brelfx {

class Countdown {
 public:
  Countdown(WindowTimers& timers, SoundPlayer& sounds);

  // Timer start key (function 0xBC) with the key's countdown length.
  void StartKey(int seconds);
  // Timer stop key (function 0xBD).
  void StopKey();
  // Timer 600.
  void Step();

  // Read by the worker thread too (live-recording announcements).
  bool FinalPhase() const { return finalPhase_.load() != 0; }
  bool Running() const { return running_.load() != 0; }

 private:
  void Stop();

  WindowTimers& timers_;
  SoundPlayer& sounds_;
  std::atomic<int> remaining_{0};
  std::atomic<int> running_{0};
  std::atomic<int> finalPhase_{0};
};

}  // namespace brelfx
