// Not a test: how long BrelFXOption.exe takes from its process start to the
// first paint of its main window, run by hand under Wine (see
// scripts/option-startup-bench.sh).
//   option-startup-bench.exe PROGRAM_FOLDER [COUNT]
// Each round starts the program, notes when its window is visible and when
// its pixels are painted (the Apply button and the page area are no longer
// black), and closes it; then a second start while the first runs (it ends
// at once on the instance mutex) gives the bare cost of a process start.
// Prints every round and the medians.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "settings/shared_catalogue.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

HANDLE StartProgram(const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + folder + "BrelFXOption.exe\"";
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

bool Painted(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  // The Apply button's plate, the page area and the title strip.
  const POINT probes[] = {{676, 570}, {400, 280}, {400, 40}};
  HDC screen = GetDC(nullptr);
  bool painted = true;
  for (const POINT& p : probes)
    painted = painted && GetPixel(screen, frame.left + p.x, frame.top + p.y) != RGB(0, 0, 0);
  ReleaseDC(nullptr, screen);
  return painted;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: option-startup-bench PROGRAM_FOLDER [COUNT]\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '\\') folder += '\\';
  const int count = argc > 2 ? std::atoi(argv[2]) : 10;
  std::vector<double> visible, painted, bare;
  for (int round = 0; round < count; ++round) {
    const auto start = Clock::now();
    HANDLE process = StartProgram(folder);
    if (!process) return 1;
    HWND window = nullptr;
    double shown = -1, paint = -1;
    while (MsSince(start) < 20000) {
      if (!window) {
        window = FindWindowA(nullptr, brelfx::kOptionWindowTitle);
        if (window && !IsWindowVisible(window)) window = nullptr;
        if (window) shown = MsSince(start);
      }
      if (window && Painted(window)) {
        paint = MsSince(start);
        break;
      }
      Sleep(2);
    }
    const auto secondStart = Clock::now();
    HANDLE second = StartProgram(folder);
    WaitForSingleObject(second, 20000);
    const double secondMs = MsSince(secondStart);
    CloseHandle(second);
    std::printf("round %2d: window visible %7.1f ms, first paint %7.1f ms, bare second start %6.1f ms\n",
                round + 1, shown, paint, secondMs);
    std::fflush(stdout);
    visible.push_back(shown);
    painted.push_back(paint);
    bare.push_back(secondMs);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    CloseHandle(process);
    Sleep(300);
  }
  std::printf("median of %d: window visible %.1f ms, first paint %.1f ms, bare process start %.1f ms\n",
              count, Median(visible), Median(painted), Median(bare));
  return 0;
}
