// Monitor side of the two-process shared-block test: creates the section and
// the mutex, publishes a default block and answers the option side's messages
// from a window with the monitor's title.
//   shared_block_monitor WORK_FOLDER APPLY_SLEEP_MS
// Ends on WM_CLOSE, or by itself after 30 s.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/shared_memory.h"
#include "platform/win32/window_messenger.h"
#include "settings/block_defaults.h"
#include "settings/monitor_settings_link.h"
#include "settings/shared_catalogue.h"
#include "tests/win32/shared_block_e2e.h"

namespace brelfx::e2e {
namespace {

constexpr UINT_PTR kLifetimeTimer = 1;
constexpr UINT kLifetimeMs = 30000;

struct Monitor {
  std::string folder;
  DWORD applySleepMs = 0;
  MonitorSettingsLink* link = nullptr;
};
Monitor monitor;

void ReportApply(WPARAM wParam, bool took) {
  const SettingsBlock& block = monitor.link->local();
  std::string flags;
  for (int i = 0; i < kUpdateFlagCount; ++i)
    if (block.UpdateFlags[i]) flags += std::to_string(i) + ",";
  char line[256];
  std::snprintf(line, sizeof(line), "took=%d wparam=%u flags=%s timeout2=%d key2_3=%d\n",
                took ? 1 : 0, static_cast<unsigned>(wParam), flags.c_str(),
                static_cast<int>(block.Profiles[2].LtTimeout),
                static_cast<int>(block.KeyChanged[2][3]));
  WriteFileBytes(PathIn(monitor.folder, kApplyReport), line, std::strlen(line));
  std::printf("monitor: %s", line);
}

// One hold at a time: how long, and the event set once the mutex is taken.
struct HoldRequest {
  DWORD ms = 0;
  UniqueHandle held{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
};
HoldRequest holdRequest;

// Takes the settings mutex through a second handle of this process, holds it
// and releases it, as the monitor's own copies would.
DWORD WINAPI HoldMutex(void*) {
  UniqueHandle mutex(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSettingsMutexName));
  if (!mutex || WaitForSingleObject(mutex.get(), 5000) != WAIT_OBJECT_0) return 1;
  SetEvent(holdRequest.held.get());
  Sleep(holdRequest.ms);
  const char text[] = "released\n";
  WriteFileBytes(PathIn(monitor.folder, kMutexReleased), text, sizeof(text) - 1);
  ReleaseMutex(mutex.get());
  return 0;
}

LRESULT StartHoldingMutex(DWORD ms) {
  holdRequest.ms = ms;
  UniqueHandle thread(CreateThread(nullptr, 0, HoldMutex, nullptr, 0, nullptr));
  if (!thread) return 0;
  return WaitForSingleObject(holdRequest.held.get(), 5000) == WAIT_OBJECT_0 ? 1 : 0;
}

LRESULT ChangeBrightness(WPARAM brightness) {
  SettingsBlock& block = monitor.link->local();
  const int slot = block.CurrentProfile;
  if (slot < 0 || slot >= kProfileCount) return 0;
  block.Profiles[slot].LtBrightness = static_cast<std::int32_t>(brightness);
  if (!monitor.link->Publish()) return 0;
  return monitor.link->NotifyOption(WM_BRIGHTNESS_CHANGED) ? 1 : 0;
}

LRESULT OnApplySettings(WPARAM wParam) {
  const bool took = monitor.link->TakeFromShared();
  // The real monitor writes the keyboard here; the sender must wait for it.
  Sleep(monitor.applySleepMs);
  ReportApply(wParam, took);
  return 0;
}

LRESULT CALLBACK MonitorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // clang-format off
  switch (message) {
    case WM_APPLY_SETTINGS:     return OnApplySettings(wParam);
    case kTestHoldMutex:        return StartHoldingMutex(static_cast<DWORD>(wParam));
    case kTestChangeBrightness: return ChangeBrightness(wParam);
    case WM_TIMER:              DestroyWindow(window); return 0;  // lifetime over
    case WM_CLOSE:              DestroyWindow(window); return 0;
    case WM_DESTROY:            PostQuitMessage(0); return 0;
    default:                    return DefWindowProcA(window, message, wParam, lParam);
  }
  // clang-format on
}

int Run(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 3) {
    std::printf("usage: shared_block_monitor WORK_FOLDER APPLY_SLEEP_MS\n");
    return 2;
  }
  monitor.folder = argv[1];
  monitor.applySleepMs = static_cast<DWORD>(std::atoi(argv[2]));

  Win32SharedMemory shared;
  Win32WindowMessenger messenger;
  MonitorSettingsLink link(shared, messenger);
  monitor.link = &link;
  SetDefaults(link.local(), 1033);
  if (link.CreateShared() != SharedOpenResult::kMapped || !link.Publish()) {
    std::printf("monitor: could not create and publish the shared block\n");
    return 1;
  }

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = MonitorProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "BrelFXTestMonitor";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window =
      CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, kMonitorWindowTitle, WS_POPUP,
                      100, 100, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  SetTimer(window, kLifetimeTimer, kLifetimeMs, nullptr);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  link.Close();
  std::printf("monitor: ended\n");
  return 0;
}

}  // namespace
}  // namespace brelfx::e2e

int main(int argc, char** argv) {
  return brelfx::e2e::Run(argc, argv);
}
