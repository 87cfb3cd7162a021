// Diagnostics: short formatted lines to the debugger output on Windows and to
// stderr in native builds. There is no log file.
#pragma once

namespace brelfx {

void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace brelfx
