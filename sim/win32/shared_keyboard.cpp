#include "sim/win32/shared_keyboard.h"

#include <string>

#include "platform/log.h"
#include "sim/factory_profiles.h"

namespace brelfx::sim {
namespace {

constexpr DWORD kMutexWaitMs = 5000;

std::string StateFilePath() {
  char path[MAX_PATH];
  DWORD n = GetEnvironmentVariableA(kStateFileVariable, path, sizeof(path));
  if (n > 0 && n < sizeof(path)) return path;
  n = GetTempPathA(sizeof(path), path);
  std::string folder = n > 0 && n < sizeof(path) ? path : ".\\";
  return folder + "BrelFX_Simulated_Keyboard_State.bin";
}

void PostToListener(std::uint64_t window, std::uint32_t message, std::uint32_t wParam,
                    std::uint32_t lParam) {
  // A listener whose program has ended simply no longer receives anything.
  PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), message, wParam,
               static_cast<LPARAM>(lParam));
}

}  // namespace

bool SharedKeyboard::Lock() {
  const DWORD wait = WaitForSingleObject(mutex_.get(), kMutexWaitMs);
  // An owner that died while holding the mutex leaves it abandoned but ours.
  if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return true;
  DebugLog("sim: keyboard mutex not available (wait %lu, error %lu)\n", wait, GetLastError());
  return false;
}

bool SharedKeyboard::Open() {
  if (keyboard_) return true;
  mutex_.reset(CreateMutexA(nullptr, FALSE, kSharedMutexName));
  if (!mutex_) {
    DebugLog("sim: CreateMutex failed, error %lu\n", GetLastError());
    return false;
  }
  if (!Lock()) return false;
  const std::string path = StateFilePath();
  file_.reset(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_) DebugLog("sim: state file %s not usable, error %lu\n", path.c_str(), GetLastError());
  // Without a file the keyboard lives in paging-file memory as long as one
  // process keeps it mapped.
  section_.reset(CreateFileMappingA(file_ ? file_.get() : INVALID_HANDLE_VALUE, nullptr,
                                    PAGE_READWRITE, 0, sizeof(SimKeyboardState), kSharedStateName));
  if (section_)
    view_.reset(MapViewOfFile(section_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SimKeyboardState)));
  if (view_) {
    auto* state = static_cast<SimKeyboardState*>(view_.get());
    if (!IsCurrentLayout(*state)) ResetKeyboardState(*state);
    keyboard_ =
        std::make_unique<SimKeyboard>(*state, SystemClock(), PostToListener, GetCurrentProcessId());
  } else {
    DebugLog("sim: shared keyboard state not mapped, error %lu\n", GetLastError());
  }
  ReleaseMutex(mutex_.get());
  return keyboard_ != nullptr;
}

}  // namespace brelfx::sim
