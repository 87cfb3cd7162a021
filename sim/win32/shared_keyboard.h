// The one simulated keyboard of the machine: its state lives in a named
// section backed by a state file (so it survives between programs, as a real
// keyboard keeps its settings), guarded by a named mutex. Every process that
// loads the stand-in zendrel.dll, and the brelfx-sim tool, sees the same
// keyboard; events reach listener windows by PostMessage from whichever
// process raises them.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/handles.h"
#include "sim/sim_keyboard.h"

namespace brelfx::sim {

constexpr char kSharedStateName[] = "BrelFX_Simulated_Keyboard_State";
constexpr char kSharedMutexName[] = "BrelFX_Simulated_Keyboard_Mutex";
// Overrides the state file (default: BrelFX_Simulated_Keyboard_State.bin in
// the temporary folder).
constexpr char kStateFileVariable[] = "BRELFX_SIM_STATE_FILE";

class SharedKeyboard {
 public:
  // Maps the keyboard, creating it in its factory state when there is none
  // yet (or the one found has another layout). False on failure.
  bool Open();

  // Runs fn(SimKeyboard&) while holding the keyboard's mutex; false when the
  // keyboard is not open or the mutex could not be had.
  template <typename Fn>
  bool Run(Fn&& fn) {
    if (!keyboard_ || !Lock()) return false;
    fn(*keyboard_);
    ReleaseMutex(mutex_.get());
    return true;
  }

 private:
  bool Lock();

  UniqueHandle mutex_;
  UniqueFileHandle file_;
  UniqueHandle section_;
  UniqueMappedView view_;
  std::unique_ptr<SimKeyboard> keyboard_;
};

}  // namespace brelfx::sim
