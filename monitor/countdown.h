// The countdown that the timer keys start and stop. It steps on timer 600
// once a second and speaks 10, 5, 4, 3, 2, 1 and "go"; its last five seconds
// are the final phase, which holds back every other announcement.
#pragma once

#include <atomic>
#include <cstdint>

#include "monitor/sound_player.h"
#include "platform/window_timers.h"
#include "settings/settings_block.h"

namespace brelfx {

constexpr std::uint8_t kFnStopTimer = 0xBD;

class Countdown {
 public:
  Countdown(const SettingsBlock& settings, WindowTimers& timers, SoundPlayer& sounds);

  // Event value of a timer start (0xBC) or stop (0xBD) key of the current
  // profile: item (key index + 1) in the low byte, state in the high byte.
  // The keyboard sends the same value on key down and up; state 1 is ignored.
  void TimerKey(std::uint16_t value);
  // Timer 600.
  void Step();

  // Read by the worker thread too (live-recording announcements).
  bool FinalPhase() const { return finalPhase_.load() != 0; }
  bool Running() const { return running_.load() != 0; }

 private:
  void Start(int seconds);
  void Stop();

  const SettingsBlock& settings_;
  WindowTimers& timers_;
  SoundPlayer& sounds_;
  std::atomic<int> remaining_{0};
  std::atomic<int> running_{0};
  std::atomic<int> finalPhase_{0};
};

}  // namespace brelfx
