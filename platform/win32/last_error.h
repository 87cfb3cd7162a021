// Debug line for a failed Win32 call, with the system's text for GetLastError.
#pragma once

namespace brelfx {

// Call right after the failing function, before anything can reset the error.
void LogLastError(const char* operation);

}  // namespace brelfx
