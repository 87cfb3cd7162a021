// The foreground check under Windows (or Wine), through the real Toolhelp
// snapshot of whatever runs; prints how many processes the snapshot held.
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

#include "monitor/bench/foreground_check.h"
#include "platform/win32/toolhelp_foreground_process.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 301;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    ++count;
  CloseHandle(snapshot);
  std::printf("%d processes in the snapshot\n", count);
  brelfx::ToolhelpForegroundProcess processes;
  brelfx::RunForegroundCheckBench(processes, runs > 0 ? runs : 301);
  return 0;
}
