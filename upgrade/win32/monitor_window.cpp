#include "upgrade/win32/monitor_window.h"

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include "platform/log.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

// The monitor's shutdown (threads, tray icon) takes a few seconds at most;
// a monitor that hangs must not hang the upgrade too.
constexpr UINT kMonitorCloseWaitMs = 15000;
constexpr DWORD kMonitorLetGoMs = 1000;

}  // namespace

void CloseMonitorWindow() {
  HWND monitor = FindWindowA(nullptr, kMonitorWindowTitle);
  if (!monitor) return;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(monitor, WM_CLOSE, 0, 0, SMTO_NORMAL, kMonitorCloseWaitMs, &result))
    DebugLog("FW Update: the monitor did not answer WM_CLOSE (%lu)\n", GetLastError());
  Sleep(kMonitorLetGoMs);
}

void PostMonitorClose() {
  if (HWND monitor = FindWindowA(nullptr, kMonitorWindowTitle))
    PostMessageA(monitor, WM_CLOSE, 0, 0);
}

void StartMonitor(const std::string& path) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW));
  if (result <= 32)
    DebugLog("FW Update: could not start %s (%d)\n", path.c_str(), static_cast<int>(result));
}

}  // namespace brelfx
