#include "platform/win32/program_shell.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/win32/last_error.h"

namespace brelfx {

bool Win32ProgramShell::Open(const std::string& path, const std::string& parameters) {
  SetLastError(ERROR_SUCCESS);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", path.c_str(),
                    parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOW));
  // Values up to 32 are errors. The shell sets the thread's last error; when
  // it did not, its result is the reason (2, 3, 5, 8 and 11 are the system's
  // own error numbers).
  if (result > 32) return true;
  if (GetLastError() == ERROR_SUCCESS) SetLastError(static_cast<DWORD>(result));
  LogLastError(("ShellExecute open " + path).c_str());
  return false;
}

bool Win32ProgramShell::BringToFront(WindowId window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
  const bool foreground = SetForegroundWindow(hwnd) != FALSE;
  SetActiveWindow(hwnd);
  return foreground;
}

// WinExec takes the command line as the installed players note it: a path
// with blanks may come unquoted, and the system tries its parts in turn.
bool Win32ProgramShell::Run(const std::string& commandLine) {
  const UINT result = WinExec(commandLine.c_str(), SW_SHOWNORMAL);
  if (result > 31) return true;
  SetLastError(result);
  LogLastError(("WinExec " + commandLine).c_str());
  return false;
}

}  // namespace brelfx
