// process-usage NAME [SECONDS]: the private memory and CPU use of every
// running process named NAME, measured over SECONDS (default 60) so idle
// cost can be checked. Private memory is the commit charge ("private
// bytes"); Wine reports it as PagefileUsage and leaves PrivateUsage at 0, so
// the larger of the two is shown.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/win32/handles.h"

namespace {

struct Sample {
  DWORD pid;
  double privateMb;
  double cpuSeconds;
  DWORD threads;
};

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

std::vector<Sample> Measure(const char* name) {
  std::vector<Sample> samples;
  brelfx::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return samples;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    if (_stricmp(entry.szExeFile, name) != 0) continue;
    brelfx::UniqueHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID));
    if (!process) continue;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    FILETIME created, exited, kernel, user;
    if (!GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)) ||
        !GetProcessTimes(process.get(), &created, &exited, &kernel, &user))
      continue;
    const SIZE_T privateBytes = std::max(counters.PrivateUsage, counters.PagefileUsage);
    samples.push_back({entry.th32ProcessID, static_cast<double>(privateBytes) / (1024.0 * 1024.0),
                       Seconds(kernel) + Seconds(user), entry.cntThreads});
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: process-usage NAME [SECONDS]\n");
    return 2;
  }
  const int seconds = argc == 3 ? std::atoi(argv[2]) : 60;
  if (seconds <= 0) {
    std::fprintf(stderr, "process-usage: SECONDS must be a positive number\n");
    return 2;
  }
  const std::vector<Sample> before = Measure(argv[1]);
  if (before.empty()) {
    std::fprintf(stderr, "process-usage: no running process named %s\n", argv[1]);
    return 1;
  }
  Sleep(static_cast<DWORD>(seconds) * 1000);
  for (const Sample& after : Measure(argv[1])) {
    const auto start = std::find_if(before.begin(), before.end(),
                                    [&](const Sample& s) { return s.pid == after.pid; });
    if (start == before.end()) continue;
    std::printf("%s pid %lu: private %.2f MB, CPU %.3f %% over %d s, %lu threads\n", argv[1],
                after.pid, after.privateMb,
                100.0 * (after.cpuSeconds - start->cpuSeconds) / seconds, seconds, after.threads);
  }
  return 0;
}
