// BrelFXOption.exe: one option application at a time; it lives exactly as
// long as its main window.
#include <windows.h>

#include "option/skin/win32/help_text.h"
#include "option/win32/option_main_wnd.h"
#include "option/win32/startup_trace.h"
#include "platform/win32/handles.h"
#include "settings/shared_catalogue.h"

namespace {

// The running program's folder with a trailing backslash.
std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  brelfx::TraceStartup("WinMain");
  // A second start ends at once without a window; the running one is not
  // activated (the monitor's tray command does that).
  brelfx::UniqueHandle instance(CreateMutexA(nullptr, FALSE, brelfx::kOptionInstanceMutexName));
  if (!instance || GetLastError() == ERROR_ALREADY_EXISTS) return 0;

  // The common controls are enabled once the first picture is on the screen
  // (COptionMainWnd), or before when a tooltip comes first.
  brelfx::RegisterSkinMessages();

  brelfx::COptionMainWnd mainWindow(ProgramFolder());
  const int result = mainWindow.RunModal(nullptr);
  brelfx::WriteStartupTrace();
  return result == -1 ? 1 : 0;
}
