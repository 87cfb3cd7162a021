// The player thread: plays the macros handed to it, one at a time, so that
// their delays never block the GUI thread. A small queue of one job stands in
// for the thread message WM_PLAY_MACRO. Destroying it stops a playing macro
// (its held keys released) and ends the thread.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "monitor/playback/macro_player.h"

namespace brelfx {

class PlayerThread {
 public:
  explicit PlayerThread(MacroPlayer& player);
  ~PlayerThread();
  PlayerThread(const PlayerThread&) = delete;
  PlayerThread& operator=(const PlayerThread&) = delete;

  // GUI thread, key down of a macro key: starts the key's macro, or stops
  // the one that plays.
  void StartOrStop(const KeyAssignment& entry);

 private:
  void Run();

  MacroPlayer& player_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<MacroJob> job_;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace brelfx
