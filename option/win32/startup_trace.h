// Where the option application's start-up time goes: each step's time since
// the process was created, written when the program ends to the file named
// by the environment variable BRELFX_STARTUP_TRACE (nothing is recorded
// without it). scripts/option-startup-bench.sh sets it.
#pragma once

namespace brelfx {

// Notes `step` with the milliseconds since the process was created.
void TraceStartup(const char* step);

// Writes the notes to the trace file (appending: a benchmark collects many starts).
void WriteStartupTrace();

}  // namespace brelfx
