// Host-played macros. The GUI thread turns a macro key press into a job (or
// into a stop of the playing macro); the player thread plays the job: its
// passes, the typematic imitation of long presses, and on a stop the release
// of the keys the macro still holds.
//
// Each wait is scheduled against a deadline (start + the waits so far), not
// relative to the previous event, so timing errors never add up over a long
// macro; the delays themselves stay exactly what the user set. Only a stall
// that leaves the next event more than 10 ms late moves the schedule.
#pragma once

#include <array>
#include <atomic>
#include <optional>
#include <vector>

#include "monitor/playback/key_sender.h"
#include "platform/clock.h"
#include "settings/settings_block.h"

namespace brelfx {

// What the player thread plays: a copy of the macro, so the GUI thread never
// writes what the player reads.
struct MacroJob {
  std::array<MacroEvent, kMaxActions> events;
  int eventCount = 0;
  int loopCount = 1;
  int startIndex = 0;
};

class MacroPlayer {
 public:
  MacroPlayer(KeySender& keys, Clock& clock);

  // GUI thread, key down of a macro key: while a macro plays (or waits to be
  // played) it is stopped and nothing starts; otherwise the key's macro is
  // returned for the player thread. Nothing for a key without a macro.
  std::optional<MacroJob> StartOrStop(const KeyAssignment& entry);

  // Player thread: plays the job, then clears the playing flag.
  void Play(const MacroJob& job);

  // Shutdown: the playing macro stops at once, its waits cut short, and
  // releases what it holds; later jobs return at once.
  void Quit();

  bool Playing() const { return playing_.load() != 0; }

 private:
  class Schedule;
  void PlayEvent(const MacroEvent& event, Schedule& schedule);
  void HoldTypematic(InjectedKey key, int delayMs, Schedule& schedule);
  void ReleaseHeld(Schedule& schedule);

  KeySender& keys_;
  Clock& clock_;
  std::atomic<int> abort_{0};
  std::atomic<int> playing_{0};
  std::atomic<int> quit_{0};
  std::vector<std::uint8_t> held_;  // player thread only
};

}  // namespace brelfx
