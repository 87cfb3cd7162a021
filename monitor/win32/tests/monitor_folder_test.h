// The real BrelFXMonitor.exe with the stand-in zendrel.dll and brelfx-sim
// under Wine. Each test copies the monitor, the library and a stand-in
// option application into a fresh folder (the program folder the monitor
// works in) and gives the simulated keyboard its own state file; the folder
// and every monitor started are gone after the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "tests/support/win32/run_program.h"

namespace brelfx::test {

// The reports the keyboard was sent, from brelfx-sim capture's "set" lines.
std::vector<std::vector<std::uint8_t>> SentReports(const std::string& capture);

// Polls every 50 ms until done() holds; false when it still does not after
// kWaitAllowance times timeoutMs. The tests name what an idle machine needs;
// CI runs Wine programs side by side on two busy cores, where the same steps
// take several times as long. A wait that succeeds ends as soon as done()
// holds, so the allowance costs a passing run nothing.
constexpr int kWaitAllowance = 4;
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

class MonitorFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path inside the program folder.
  std::string Path(const std::string& name) const { return folder_ + name; }

  // brelfx-sim with the keyboard of this test.
  Ran Sim(const std::string& arguments);

  // Starts a monitor in the program folder; its process handle, owned by the
  // test (nullptr when it could not be started).
  HANDLE Start(const std::string& arguments = "");
  // Starts a program of the program folder there; its process handle, which
  // the caller owns (nullptr when it could not be started).
  HANDLE StartInFolder(const std::string& program, const std::string& arguments = "");

  // The monitor's window once it exists (within 15 s, see WaitUntil), or nullptr.
  HWND WaitForMonitorWindow();
  // Starts a monitor and waits until it has the keyboard open; its process,
  // or nullptr.
  HANDLE StartWithKeyboard();

  // A number of config.ini's [Setting] section as Windows reads it; -100
  // when missing.
  int ConfigInt(const char* key);
  bool WaitForConfig(const char* key, int value, int timeoutMs = 10000);

  std::string folder_;  // ends with a backslash
  std::vector<UniqueHandle> monitors_;
};

}  // namespace brelfx::test
