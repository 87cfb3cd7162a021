#include "monitor/tests/win32/input_witness_process.h"

#include <windows.h>

#include <cstdio>
#include <fstream>

#include "platform/win32/current_keyboard_layout.h"
#include "tests/support/win32/run_program.h"

namespace brelfx::test {

InputWitness::InputWitness() {
  const std::string suffix = std::to_string(GetCurrentProcessId());
  readyName_ = "brelfx-witness-ready-" + suffix;
  stopName_ = "brelfx-witness-stop-" + suffix;
  logPath_ = TestProgramFolder() + "input_witness_" + suffix + ".log";
  ready_.reset(CreateEventA(nullptr, TRUE, FALSE, readyName_.c_str()));
  stop_.reset(CreateEventA(nullptr, TRUE, FALSE, stopName_.c_str()));
  std::string command = "\"" + TestProgramFolder() + "input_witness.exe\" \"" + logPath_ + "\" " +
                        readyName_ + " " + stopName_;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    process_.reset(process.hProcess);
  }
}

InputWitness::~InputWitness() {
  if (process_) TerminateProcess(process_.get(), 1);
  DeleteFileA(logPath_.c_str());
  DeleteFileA((logPath_ + ".times").c_str());
}

bool InputWitness::WaitReady() {
  if (!process_) return false;
  HANDLE handles[] = {ready_.get(), process_.get()};
  return WaitForMultipleObjects(2, handles, FALSE, 10000) == WAIT_OBJECT_0;
}

std::vector<std::string> InputWitness::Seen(std::vector<unsigned>* times) {
  std::vector<std::string> lines;
  if (!process_) return lines;
  SetEvent(stop_.get());
  if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) return lines;
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.get(), &exitCode);
  process_.reset();
  if (exitCode != 0) return lines;
  std::ifstream log(logPath_);
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  if (times) {
    std::ifstream timeLog(logPath_ + ".times");
    for (unsigned time = 0; timeLog >> time;) times->push_back(time);
  }
  return lines;
}

std::string WitnessKeyLine(unsigned vk, bool up) {
  char line[32];
  std::snprintf(line, sizeof(line), "%x%c %x", vk, up ? '-' : '+',
                CurrentKeyboardLayout().VkToScan(vk));
  return line;
}

}  // namespace brelfx::test
