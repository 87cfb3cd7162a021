// Input that a shortcut and a macro inject reaches another process: a witness
// process watches with low-level hooks and reports, in order, every injected
// key with its scan code and every mouse button.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "monitor/player_thread.h"
#include "monitor/shortcut_keys.h"
#include "platform/win32/current_keyboard_layout.h"
#include "platform/win32/handles.h"
#include "platform/win32/high_resolution_clock.h"
#include "platform/win32/system_input.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string KeyLine(unsigned vk, bool up) {
  char line[32];
  std::snprintf(line, sizeof(line), "%x%c %x", vk, up ? '-' : '+',
                CurrentKeyboardLayout().VkToScan(vk));
  return line;
}

class Witness {
 public:
  Witness() {
    const std::string suffix = std::to_string(GetCurrentProcessId());
    readyName_ = "brelfx-witness-ready-" + suffix;
    stopName_ = "brelfx-witness-stop-" + suffix;
    logPath_ = ProgramFolder() + "input_witness_" + suffix + ".log";
    ready_.reset(CreateEventA(nullptr, TRUE, FALSE, readyName_.c_str()));
    stop_.reset(CreateEventA(nullptr, TRUE, FALSE, stopName_.c_str()));
    std::string command = "\"" + ProgramFolder() + "input_witness.exe\" \"" + logPath_ + "\" " +
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
  ~Witness() {
    if (process_) TerminateProcess(process_.get(), 1);
    DeleteFileA(logPath_.c_str());
  }

  bool WaitReady() {
    if (!process_) return false;
    HANDLE handles[] = {ready_.get(), process_.get()};
    return WaitForMultipleObjects(2, handles, FALSE, 10000) == WAIT_OBJECT_0;
  }

  // Stops the witness and returns what it saw.
  std::vector<std::string> Seen() {
    SetEvent(stop_.get());
    std::vector<std::string> lines;
    if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) return lines;
    DWORD exitCode = 1;
    GetExitCodeProcess(process_.get(), &exitCode);
    process_.reset();
    EXPECT_EQ(exitCode, 0u);
    std::ifstream log(logPath_);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

 private:
  std::string readyName_, stopName_, logPath_;
  UniqueHandle ready_, stop_, process_;
};

bool WaitUntilIdle(const MacroPlayer& player) {
  for (int i = 0; i < 10000 && player.Playing(); ++i) Sleep(1);
  return !player.Playing();
}

TEST(InputInjection, AnotherProcessSeesShortcutAndMacroInOrder) {
  Witness witness;
  ASSERT_TRUE(witness.WaitReady());

  KeySender keys(SystemInput(), CurrentKeyboardLayout());
  test::VirtualClock idleClock;  // the repeat timer never fires here
  test::FakeWindowTimers timers(idleClock);
  ShortcutKeys shortcuts(keys, SystemClock(), timers);
  const MacroEvent ctrlShiftA{0x04, 0x06, 0};
  shortcuts.KeyDown(ctrlShiftA);
  shortcuts.KeyUp(ctrlShiftA);

  HighResolutionClock playerClock;
  MacroPlayer player(keys, playerClock);
  {
    PlayerThread playerThread(player);
    KeyAssignment macro{};
    macro.FunctionCode = kFnMacro;
    const MacroEvent events[] = {{0x05, 1, 20}, {0x05, 2, 0},  {0xE5, 1, 5},
                                 {0xE5, 2, 5},  {0xF3, 1, 10}, {0xF3, 2, 1}};
    for (const MacroEvent& e : events) macro.Actions[macro.ActionCount++] = e;
    playerThread.StartOrStop(macro);
    ASSERT_TRUE(WaitUntilIdle(player));
  }

  const std::vector<std::string> expected = {
      KeyLine(0x11, false), KeyLine(0x10, false), KeyLine(0x41, false), KeyLine(0x41, true),
      KeyLine(0x10, true),  KeyLine(0x11, true),  KeyLine(0x42, false), KeyLine(0x42, true),
      KeyLine(0x10, false), KeyLine(0x10, true),  "mouse 20b/2",        "mouse 20c/2"};
  EXPECT_EQ(witness.Seen(), expected);
}

}  // namespace
}  // namespace brelfx
