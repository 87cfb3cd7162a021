// Timing accuracy of macro playback on a real clock: a 500-event macro with
// delays of 1-20 ms is played through an injector that stamps every event
// with the steady clock; the report gives each event's error against its
// scheduled time (start + the delays before it), the error of the total
// duration against the sum of the delays, and the processor time the
// playing thread's process used meanwhile.
#pragma once

#include "platform/clock.h"
#include "platform/keyboard_layout.h"

namespace brelfx {

// Processor time (user and kernel) the process has used so far, in ms.
using ProcessorTimeMs = double (*)();

// Plays the macro `runs` times and prints the figures; returns the exit code.
int RunMacroTimingBench(Clock& clock, const KeyboardLayout& layout, ProcessorTimeMs processorMs,
                        int runs);

}  // namespace brelfx
