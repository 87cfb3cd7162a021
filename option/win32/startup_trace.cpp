#include "option/win32/startup_trace.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brelfx {
namespace {

struct Trace {
  bool enabled = false;
  double creationOffsetMs = 0;  // process creation to the performance counter's anchor
  LARGE_INTEGER anchor{}, frequency{};
  std::string lines;
};

double FileTimeMs(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 10000.0;
}

Trace& TheTrace() {
  static Trace trace = [] {
    Trace made;
    made.enabled = std::getenv("BRELFX_STARTUP_TRACE") != nullptr;
    if (!made.enabled) return made;
    // The wall clock ties the process's creation time to the performance
    // counter once; every step is then a counter reading.
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    QueryPerformanceCounter(&made.anchor);
    QueryPerformanceFrequency(&made.frequency);
    made.creationOffsetMs = FileTimeMs(now) - FileTimeMs(created);
    return made;
  }();
  return trace;
}

}  // namespace

void TraceStartup(const char* step) {
  Trace& trace = TheTrace();
  if (!trace.enabled) return;
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const double ms = trace.creationOffsetMs +
                    1000.0 * static_cast<double>(counter.QuadPart - trace.anchor.QuadPart) /
                        static_cast<double>(trace.frequency.QuadPart);
  char line[160];
  std::snprintf(line, sizeof(line), "%8.1f ms  %s\n", ms, step);
  trace.lines += line;
}

void WriteStartupTrace() {
  const Trace& trace = TheTrace();
  const char* path = std::getenv("BRELFX_STARTUP_TRACE");
  if (!trace.enabled || !path) return;
  if (FILE* file = std::fopen(path, "a")) {
    std::fputs(trace.lines.c_str(), file);
    std::fputs("--\n", file);
    std::fclose(file);
  }
}

}  // namespace brelfx
