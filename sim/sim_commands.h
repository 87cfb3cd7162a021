// The control commands of brelfx-sim: what its owner does on the simulated
// keyboard, scripted faults, and dumps. Portable, so native tests drive the
// in-process keyboard with the same commands the tool takes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sim/sim_keyboard.h"

namespace brelfx::sim {

enum CommandResult : int {
  kCommandOk = 0,
  kCommandFailed = 1,  // the keyboard could not do it (unplugged, file not written)
  kCommandUsage = 2,   // unknown command or bad arguments
};

// Runs one command, given as the words after the program name.
int RunSimCommand(SimKeyboard& keyboard, const std::vector<std::string>& words, std::ostream& out,
                  std::ostream& err);

std::string SimCommandUsage();

}  // namespace brelfx::sim
