// BrelFX Firmware Upgrade.exe, in FWUpdate below the monitor's folder: one
// instance at a time; the monitor starts it with "1" (newer firmware
// offered) or "0" (the keyboard's is newer) and has closed itself by then.
#include <windows.h>

#include "device/win32/win32_library_loader.h"
#include "option/skin/win32/help_text.h"
#include "platform/log.h"
#include "platform/win32/handles.h"
#include "upgrade/start_rule.h"
#include "upgrade/upgrade_paths.h"
#include "upgrade/win32/message_panels.h"
#include "upgrade/win32/monitor_window.h"
#include "upgrade/win32/upgrade_wnd.h"

namespace {

constexpr const char* kInstanceMutexName = "Tarvek_BrelFX_Keyboard_Firmware_Update";

// Runs the main window; true when the monitor is to be started again.
bool RunUpgrade(const std::string& programPath) {
  brelfx::CUpgradeWnd window(programPath);
  window.RunModal(nullptr);
  return window.restartMonitor();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  using namespace brelfx;
  UniqueHandle instance(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
  if (!instance || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  DebugLog("FW Update: %s\n", commandLine);
  RegisterSkinMessages();

  const std::string programPath = RunningProgramPath();
  switch (UpgradeStartFor(commandLine)) {
    case UpgradeStart::kDriverUpdatePanel:
      ShowUpgradePanel(UpgradePanel::kDriverUpdate, nullptr);
      PostMonitorClose();
      break;
    case UpgradeStart::kUpgradeQuestion:
      if (ShowUpgradePanel(UpgradePanel::kQuestion, nullptr) != IDOK) {
        PostMonitorClose();
        break;
      }
      [[fallthrough]];
    case UpgradeStart::kMainWindow:
      if (RunUpgrade(programPath)) StartMonitor(MonitorPathFor(programPath));
      break;
  }
  ReleaseMutex(instance.get());
  return 0;
}
