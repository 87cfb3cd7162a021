#include "platform/win32/program_shell.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/log.h"

namespace brelfx {

bool Win32ProgramShell::Open(const std::string& path, const std::string& parameters) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", path.c_str(),
                    parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOW));
  // Values up to 32 are errors (2: file not found).
  if (result > 32) return true;
  DebugLog("ShellExecute open %s failed: %d\r\n", path.c_str(), static_cast<int>(result));
  return false;
}

bool Win32ProgramShell::BringToFront(WindowId window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
  const bool foreground = SetForegroundWindow(hwnd) != FALSE;
  SetActiveWindow(hwnd);
  return foreground;
}

}  // namespace brelfx
