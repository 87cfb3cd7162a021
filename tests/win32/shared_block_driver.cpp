// Runs the two-process shared-block scenarios: starts the monitor side and
// the option side as separate processes with bounded waits (a process that
// outlives its time-out is terminated and the scenario fails) and removes its
// work folder at the end.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/handles.h"
#include "settings/shared_catalogue.h"
#include "tests/win32/shared_block_e2e.h"

namespace brelfx::e2e {
namespace {

constexpr DWORD kWindowWaitMs = 10000;
constexpr DWORD kOptionRunMs = 20000;
constexpr DWORD kMonitorStopMs = 5000;
constexpr DWORD kTimedOut = 0xDEAD;

std::string programFolder;
std::string workFolder;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

UniqueHandle StartProcess(const std::string& program, const std::string& arguments) {
  std::string commandLine = Quoted(PathIn(programFolder, program.c_str())) + " " + arguments;
  std::printf("driver: start %s\n", commandLine.c_str());
  std::fflush(stdout);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &info)) {
    std::printf("driver: CreateProcessA failed: %lu\n", GetLastError());
    return UniqueHandle();
  }
  CloseHandle(info.hThread);
  return UniqueHandle(info.hProcess);
}

// The process's exit code, or kTimedOut after terminating it.
DWORD WaitForExit(const UniqueHandle& process, DWORD timeoutMs) {
  if (!process) return kTimedOut;
  if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
    std::printf("driver: process did not end within %lu ms; terminated\n",
                static_cast<unsigned long>(timeoutMs));
    TerminateProcess(process.get(), kTimedOut);
    WaitForSingleObject(process.get(), kMonitorStopMs);
    return kTimedOut;
  }
  DWORD code = kTimedOut;
  GetExitCodeProcess(process.get(), &code);
  return code;
}

bool WaitForMonitorWindow() {
  for (DWORD waited = 0; waited < kWindowWaitMs; waited += 50) {
    if (FindWindowA(nullptr, kMonitorWindowTitle)) return true;
    Sleep(50);
  }
  return false;
}

void RemoveWorkFiles() {
  for (const char* name : {kApplyReport, kMutexReleased, kFilesWritten})
    DeleteFileA(PathIn(workFolder, name).c_str());
}

DWORD RunOption(const char* scenario) {
  return WaitForExit(
      StartProcess("shared_block_option.exe", std::string(scenario) + " " + Quoted(workFolder)),
      kOptionRunMs);
}

bool WithMonitor(const char* scenario, int applySleepMs) {
  RemoveWorkFiles();
  UniqueHandle monitor = StartProcess("shared_block_monitor.exe",
                                      Quoted(workFolder) + " " + std::to_string(applySleepMs));
  if (!monitor) return false;
  const bool ready = WaitForMonitorWindow();
  if (!ready) std::printf("driver: no monitor window within %lu ms\n", kWindowWaitMs);
  const DWORD optionCode = ready ? RunOption(scenario) : kTimedOut;
  if (HWND window = FindWindowA(nullptr, kMonitorWindowTitle)) PostMessageA(window, WM_CLOSE, 0, 0);
  const DWORD monitorCode = WaitForExit(monitor, kMonitorStopMs);
  return optionCode == 0 && monitorCode == 0;
}

bool WithoutMonitor(const char* scenario) {
  RemoveWorkFiles();
  return RunOption(scenario) == 0;
}

// Somebody else's section under the shared name, too small for the block.
bool WithForeignSmallSection(const char* scenario) {
  RemoveWorkFiles();
  UniqueHandle section(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                          kSharedSettingsName));
  if (!section) return false;
  return RunOption(scenario) == 0;
}

int Run() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  programFolder.assign(path, length);
  programFolder.erase(programFolder.find_last_of('\\'));
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  workFolder = std::string(temp) + "brelfx-shared-block-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(workFolder.c_str(), nullptr);

  struct Scenario {
    const char* name;
    bool passed;
  };
  const Scenario scenarios[] = {
      {"apply waits for the monitor's handling", WithMonitor("apply", 700)},
      {"a held mutex delays the copy", WithMonitor("hold", 0)},
      {"brightness posted to the option window", WithMonitor("brightness", 0)},
      {"no monitor: files only", WithoutMonitor("absent")},
      {"foreign small section: message and files", WithForeignSmallSection("small-section")},
  };
  RemoveWorkFiles();
  RemoveDirectoryA(workFolder.c_str());

  int failed = 0;
  for (const Scenario& scenario : scenarios) {
    std::printf("driver: %-45s %s\n", scenario.name, scenario.passed ? "ok" : "FAILED");
    failed += !scenario.passed;
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace brelfx::e2e

int main() {
  return brelfx::e2e::Run();
}
