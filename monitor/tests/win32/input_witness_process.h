// The input witness (input_witness.exe) run as a second process: it watches
// the session's input with low-level hooks from its start until Seen(), which
// stops it and returns every injected event, in order, as one line each —
// "VK+ SCAN" for a key going down, "VK- SCAN" going up (hex, modifiers
// unsided), "mouse MESSAGE/BUTTON" for a mouse button.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace brelfx::test {

class InputWitness {
 public:
  InputWitness();  // starts input_witness.exe from the test program's folder
  ~InputWitness();
  InputWitness(const InputWitness&) = delete;
  InputWitness& operator=(const InputWitness&) = delete;

  // True once the hooks are in place (within 10 s).
  bool WaitReady();
  // Stops the witness and returns what it saw; nothing when it did not end
  // cleanly. `times` gets the system time (ms) of each event.
  std::vector<std::string> Seen(std::vector<unsigned>* times = nullptr);

 private:
  std::string readyName_, stopName_, logPath_;
  UniqueHandle ready_, stop_, process_;
};

// The line the witness writes for a key of the active layout.
std::string WitnessKeyLine(unsigned vk, bool up);

}  // namespace brelfx::test
