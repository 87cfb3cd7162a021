// Macro timing on the process's steady clock (the native build).
#include <cstdlib>
#include <ctime>

#include "monitor/bench/macro_timing.h"

namespace {

double ProcessorMs() {
  timespec used{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  return brelfx::RunMacroTimingBench(brelfx::SystemClock(), brelfx::UsKeyboardLayout(), ProcessorMs,
                                     runs > 0 ? runs : 3);
}
