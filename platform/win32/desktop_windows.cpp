#include "platform/win32/desktop_windows.h"

#include <windows.h>

namespace brelfx {
namespace {

HWND ToHwnd(WindowId window) {
  return reinterpret_cast<HWND>(window);
}

}  // namespace

WindowId Win32DesktopWindows::FindByClass(const char* className, const char* title) {
  return reinterpret_cast<WindowId>(FindWindowA(className, title));
}

WindowId Win32DesktopWindows::Next(WindowId window) {
  return reinterpret_cast<WindowId>(GetWindow(ToHwnd(window), GW_HWNDNEXT));
}

std::string Win32DesktopWindows::ClassName(WindowId window) {
  char name[256] = "";
  GetClassNameA(ToHwnd(window), name, sizeof(name));
  return name;
}

std::string Win32DesktopWindows::Title(WindowId window) {
  char title[512] = "";
  GetWindowTextA(ToHwnd(window), title, sizeof(title));
  return title;
}

// Windows lets only the foreground program hand the foreground on; with the
// foreground thread's input attached to ours for the call, we count as it.
void Win32DesktopWindows::BringToForeground(WindowId window) {
  const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const DWORD ownThread = GetCurrentThreadId();
  const bool attach = foregroundThread != 0 && foregroundThread != ownThread;
  if (attach) AttachThreadInput(foregroundThread, ownThread, TRUE);
  SetForegroundWindow(ToHwnd(window));
  if (attach) AttachThreadInput(foregroundThread, ownThread, FALSE);
}

}  // namespace brelfx
