#include "platform/log.h"

#include <cstdarg>
#include <cstdio>

namespace brelfx {

void WriteDebugLine(const char* line);  // log_sink.cpp: stderr or OutputDebugString

void DebugLog(const char* format, ...) {
  char line[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  WriteDebugLine(line);
}

}  // namespace brelfx
