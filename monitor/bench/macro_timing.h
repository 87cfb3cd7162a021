// Timing accuracy of macro playback on a real clock: a 500-event macro with
// delays of 1-20 ms is played through an injector that stamps every event
// with the steady clock; the report gives each event's error against its
// scheduled time (start + the delays before it) and the error of the total
// duration against the sum of the delays.
#pragma once

#include "platform/clock.h"
#include "platform/keyboard_layout.h"

namespace brelfx {

// Plays the macro `runs` times and prints the figures; returns the exit code.
int RunMacroTimingBench(Clock& clock, const KeyboardLayout& layout, int runs);

}  // namespace brelfx
