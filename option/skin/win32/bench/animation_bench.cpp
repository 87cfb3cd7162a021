// Plays the sixteen level animations at once in one window and prints the
// CPU time this process spent per second of playing (GetProcessTimes), the
// figure behind "all sixteen playing cost under 2 % of a core". Run it under
// Wine or Windows from the folder that holds Gif\:
//   animation-bench.exe [seconds] [program folder]
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "option/skin/win32/animation/animated_picture.h"

namespace {

// A cell per animation, the size of the Trovi page's level banner.
constexpr int kColumns = 4, kWidth = 220, kHeight = 34;
constexpr UINT_PTR kEndTimer = 1;

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](const FILETIME& t) {
    return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Runs the message loop until `ms` milliseconds have passed.
void PumpFor(HWND window, UINT ms) {
  SetTimer(window, kEndTimer, ms, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_TIMER && msg.hwnd == window && msg.wParam == kEndTimer) break;
    DispatchMessageW(&msg);
  }
  KillTimer(window, kEndTimer);
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 30;
  std::wstring folder = argc > 2 ? argv[2] : ProgramFolder();
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"BrelFX.AnimationBench";
  RegisterClassW(&windowClass);
  RECT frame{0, 0, kColumns * kWidth, 4 * kHeight};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowW(windowClass.lpszClassName, L"Level animations", WS_OVERLAPPEDWINDOW,
                              0, 0, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);

  std::array<brelfx::CAnimatedPicture, 16> pictures;
  for (int i = 0; i < 16; ++i) {
    wchar_t name[16];
    swprintf(name, 16, L"Gif\\%02d.gif", i + 1);
    brelfx::CAnimatedPicture& picture = pictures[i];
    if (!picture.Create(window, (i % kColumns) * kWidth, (i / kColumns) * kHeight, 100 + i) ||
        !picture.LoadFromFile(folder + name)) {
      std::fwprintf(stderr, L"animation-bench: cannot load %ls%ls\n", folder.c_str(), name);
      return 1;
    }
    ShowWindow(picture.hwnd(), SW_SHOWNA);
    picture.Draw();
  }
  PumpFor(window, 1000);  // the first frames and the window's own start-up

  const double cpuBefore = ProcessCpuSeconds();
  const ULONGLONG start = GetTickCount64();
  PumpFor(window, static_cast<UINT>(seconds) * 1000);
  const double wall = (GetTickCount64() - start) / 1000.0;
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  std::printf("16 animations for %.1f s: %.3f s of CPU, %.2f %% of one core\n", wall, cpu,
              100.0 * cpu / wall);
  for (brelfx::CAnimatedPicture& picture : pictures) picture.Stop();
  DestroyWindow(window);
  return 0;
}
