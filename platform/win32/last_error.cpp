#include "platform/win32/last_error.h"

#include <windows.h>

#include "platform/log.h"

namespace brelfx {

void LogLastError(const char* operation) {
  const DWORD error = GetLastError();
  char text[256] = "";
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof(text), nullptr);
  // The system text ends in "\r\n"; the line gets exactly one.
  DWORD end = length;
  while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
  text[end] = '\0';
  DebugLog("%s failed: %lu %s\r\n", operation, static_cast<unsigned long>(error), text);
}

}  // namespace brelfx
