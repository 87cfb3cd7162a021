// brelfx-sim: the control tool of the simulated keyboard. Acts on the same
// keyboard the stand-in zendrel.dll serves to the monitor and the upgrade
// program: plugs it, presses its keys, scripts faults, prints its state.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "sim/sim_commands.h"
#include "sim/win32/shared_keyboard.h"

int main(int argc, char** argv) {
  using namespace brelfx::sim;
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::cerr << SimCommandUsage();
    return kCommandUsage;
  }
  SharedKeyboard keyboard;
  int result = kCommandFailed;
  const bool ran = keyboard.Open() && keyboard.Run([&](SimKeyboard& k) {
    result = RunSimCommand(k, words, std::cout, std::cerr);
  });
  if (!ran) std::cerr << "brelfx-sim: the simulated keyboard's shared state is not available\n";
  std::cout.flush();
  return result;
}
