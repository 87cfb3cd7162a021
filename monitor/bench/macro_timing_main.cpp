// Macro timing on the process's steady clock (the native build).
#include <cstdlib>

#include "monitor/bench/macro_timing.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  return brelfx::RunMacroTimingBench(brelfx::SystemClock(), brelfx::UsKeyboardLayout(),
                                     runs > 0 ? runs : 3);
}
