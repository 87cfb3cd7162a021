// Macro timing with the high-resolution wait and the active keyboard layout
// (the Windows build, run natively or under Wine).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "monitor/bench/macro_timing.h"
#include "platform/win32/current_keyboard_layout.h"
#include "platform/win32/high_resolution_clock.h"

namespace {

double ProcessorMs() {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
  auto ms = [](const FILETIME& t) {  // 100 ns units
    return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  brelfx::HighResolutionClock clock;
  std::printf("wait: %s\n", clock.HasHighResolutionTimer() ? "high-resolution waitable timer"
                                                           : "Sleep with timeBeginPeriod(1)");
  return brelfx::RunMacroTimingBench(clock, brelfx::CurrentKeyboardLayout(), ProcessorMs,
                                     runs > 0 ? runs : 3);
}
