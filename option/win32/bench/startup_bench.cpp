// Not a test: how long BrelFXOption.exe takes from its process start to the
// first paint of its main window, run by hand under Wine (see
// scripts/option-startup-bench.sh).
//   option-startup-bench.exe PROGRAM_FOLDER [COUNT [FLOOR_FOLDER]]
// Each round starts the program, notes when its window is visible and when
// its pixels are painted (the Apply button and the page area are no longer
// black), and closes it; then a second start while the first runs (it ends
// at once on the instance mutex) gives the bare cost of a process start.
// With FLOOR_FOLDER, each round first times the program there the same way
// (a plain window: the floor), so that both see the same machine load.
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

struct Timing {
  double visible = -1, painted = -1, bare = -1;
};

// One start of the program in `folder` to its first paint, and a second
// start meanwhile; the first is closed afterwards.
bool TimeOneStart(const std::string& folder, Timing& timing) {
  const auto start = Clock::now();
  HANDLE process = StartProgram(folder);
  if (!process) return false;
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
  timing = Timing{shown, paint, MsSince(secondStart)};
  CloseHandle(second);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  CloseHandle(process);
  Sleep(300);
  return true;
}

std::string WithBackslash(std::string folder) {
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: option-startup-bench PROGRAM_FOLDER [COUNT [FLOOR_FOLDER]]\n");
    return 2;
  }
  const std::string folder = WithBackslash(argv[1]);
  const int count = argc > 2 ? std::atoi(argv[2]) : 10;
  const std::string floorFolder = argc > 3 ? WithBackslash(argv[3]) : std::string();
  std::vector<double> visible, painted, bare, floorPainted;
  for (int round = 0; round < count; ++round) {
    Timing floor, timing;
    if (!floorFolder.empty()) {
      if (!TimeOneStart(floorFolder, floor)) return 1;
      floorPainted.push_back(floor.painted);
    }
    if (!TimeOneStart(folder, timing)) return 1;
    std::printf(
        "round %2d: window visible %7.1f ms, first paint %7.1f ms, bare second start %6.1f ms",
        round + 1, timing.visible, timing.painted, timing.bare);
    if (!floorFolder.empty()) std::printf(", floor painted %7.1f ms", floor.painted);
    std::printf("\n");
    std::fflush(stdout);
    visible.push_back(timing.visible);
    painted.push_back(timing.painted);
    bare.push_back(timing.bare);
  }
  std::printf(
      "median of %d: window visible %.1f ms, first paint %.1f ms, bare process start %.1f ms\n",
      count, Median(visible), Median(painted), Median(bare));
  if (!floorFolder.empty())
    std::printf("floor (one plain window, same rounds): first paint %.1f ms\n",
                Median(floorPainted));
  return 0;
}
