#include "monitor/win32/tests/monitor_folder_test.h"

#include <chrono>
#include <sstream>
#include <thread>

#include "settings/shared_catalogue.h"

namespace brelfx::test {
namespace {

// Deletes a folder with everything in it.
void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(folder + name + "\\");
      } else {
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

// The reports the keyboard was sent, from the capture's "set" lines
// ("#12   3.456 set   ok   15 03 01"); a long report ends in "...".
std::vector<std::vector<std::uint8_t>> SentReports(const std::string& capture) {
  std::vector<std::vector<std::uint8_t>> reports;
  std::istringstream lines(capture);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string sequence, time, kind, result, byte;
    words >> sequence >> time >> kind >> result;
    if (kind != "set") continue;
    std::vector<std::uint8_t> report;
    while (words >> byte && byte != "...")
      report.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
    reports.push_back(report);
  }
  return reports;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs) * kWaitAllowance;
  while (!done()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

void MonitorFolderTest::SetUp() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof(temp), temp);
  folder_ = std::string(temp) + "brelfx-monitor-e2e-" + std::to_string(GetCurrentProcessId()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
  CreateDirectoryA(folder_.c_str(), nullptr);
  CreateDirectoryA((folder_ + "config").c_str(), nullptr);
  const std::string bin = TestProgramFolder();
  ASSERT_TRUE(
      CopyFileA((bin + "BrelFXMonitor.exe").c_str(), Path("BrelFXMonitor.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((bin + "zendrel.dll").c_str(), Path("zendrel.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((bin + "e2e\\program_stand_in.exe").c_str(),
                        Path("BrelFXOption.exe").c_str(), FALSE));
  // The monitor and brelfx-sim inherit the keyboard's state file.
  SetEnvironmentVariableA("BRELFX_SIM_STATE_FILE", Path("keyboard.bin").c_str());
  ASSERT_EQ(Sim("reset").exitCode, 0u);
}

void MonitorFolderTest::TearDown() {
  for (auto& process : monitors_) {
    if (WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
      PostMessageA(FindWindowA(nullptr, kMonitorWindowTitle), WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process.get(), 10000) == WAIT_TIMEOUT)
        TerminateProcess(process.get(), 1);
    }
  }
  monitors_.clear();
  RemoveFolder(folder_);
}

Ran MonitorFolderTest::Sim(const std::string& arguments) {
  return RunProgram(TestProgramFolder() + "brelfx-sim.exe", arguments);
}

HANDLE MonitorFolderTest::Start(const std::string& arguments) {
  HANDLE process = StartInFolder("BrelFXMonitor.exe", arguments);
  if (process) monitors_.emplace_back(process);
  return process;
}

HANDLE MonitorFolderTest::StartInFolder(const std::string& program, const std::string& arguments) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + Path(program) + "\" " + arguments;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

HWND MonitorFolderTest::WaitForMonitorWindow() {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindWindowA(nullptr, kMonitorWindowTitle)) != nullptr; }, 15000);
  return window;
}

HANDLE MonitorFolderTest::StartWithKeyboard() {
  HANDLE monitor = Start();
  if (!monitor || !WaitForMonitorWindow() || !WaitForConfig("Device", 1)) return nullptr;
  return monitor;
}

int MonitorFolderTest::ConfigInt(const char* key) {
  return static_cast<int>(GetPrivateProfileIntA("Setting", key, -100, Path("config.ini").c_str()));
}

bool MonitorFolderTest::WaitForConfig(const char* key, int value, int timeoutMs) {
  return WaitUntil([&] { return ConfigInt(key) == value; }, timeoutMs);
}

}  // namespace brelfx::test
