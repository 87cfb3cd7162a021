// The stand-in zendrel.dll and brelfx-sim across processes: one keyboard,
// whichever process writes or acts on it. Runs child processes (itself with
// --write-caps, and brelfx-sim.exe) beside it in the build's bin folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/handles.h"
#include "tests/support/win32/run_program.h"

namespace {

using brelfx::UniqueHandle;
using brelfx::UniqueModule;

constexpr UINT kEventMessage = 1325;
constexpr UINT kPlugMessage = 1326;

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string SelfPath() {
  char path[MAX_PATH];
  return std::string(path, GetModuleFileNameA(nullptr, path, sizeof(path)));
}

using brelfx::test::Ran;
using brelfx::test::RunProgram;

Ran Tool(const std::string& arguments) {
  return RunProgram(ProgramFolder() + "brelfx-sim.exe", arguments);
}

// The six entry points, looked up by name as the programs bind them.
struct Library {
  UniqueModule module{LoadLibraryA((ProgramFolder() + "zendrel.dll").c_str())};
  using OpenMonitor = int (*)(void*, unsigned, unsigned);
  using NoArgs = int (*)();
  using Feature = int (*)(unsigned char*, int);
  template <typename Fn>
  Fn Find(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
  }
  OpenMonitor openMonitor = Find<OpenMonitor>("Open_DevMonitor");
  NoArgs closeMonitor = Find<NoArgs>("Close_DevMonitor");
  NoArgs openFeature = Find<NoArgs>("Open_FeatureDevice");
  NoArgs closeFeature = Find<NoArgs>("Close_FeatureDevice");
  Feature setFeature = Find<Feature>("SetFeature");
  Feature getFeature = Find<Feature>("GetFeature");

  int Status() {
    unsigned char status[3] = {0x04, 0, 0};
    return getFeature(status, 3) ? status[1] : -1;
  }
};

// Child mode: writes the Caps Lock report [13 06 profile code sum] and exits
// 0 when the keyboard confirmed it.
int WriteCapsLock(int profile, int code) {
  Library zendrel;
  if (!zendrel.setFeature || !zendrel.openFeature()) return 3;
  unsigned char report[6] = {
      0x13, 0x06, static_cast<unsigned char>(profile), static_cast<unsigned char>(code), 0, 0};
  const unsigned sum = report[0] + report[1] + report[2] + report[3];
  report[4] = static_cast<unsigned char>(sum);
  report[5] = static_cast<unsigned char>(sum >> 8);
  if (!zendrel.setFeature(report, 6)) return 4;
  return zendrel.Status() == 1 ? 0 : 5;
}

// Waits up to two seconds for a posted message in [first, last] to window.
bool WaitForMessage(HWND window, UINT first, UINT last, MSG& msg) {
  for (int i = 0; i < 200; ++i) {
    if (PeekMessageA(&msg, window, first, last, PM_REMOVE)) return true;
    Sleep(10);
  }
  return false;
}

class CrossProcess : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Tool("reset").exitCode, 0u); }
};

TEST_F(CrossProcess, LibraryExportsTheSixEntryPointsByName) {
  Library zendrel;
  ASSERT_TRUE(zendrel.module);
  EXPECT_TRUE(zendrel.openMonitor && zendrel.closeMonitor && zendrel.openFeature &&
              zendrel.closeFeature && zendrel.setFeature && zendrel.getFeature);
}

TEST_F(CrossProcess, ReportWrittenByOneProcessIsReadByAnother) {
  const Ran writer = RunProgram(SelfPath(), "--write-caps 2 192");
  ASSERT_EQ(writer.exitCode, 0u) << writer.output;

  Library zendrel;
  ASSERT_EQ(zendrel.openFeature(), 1);
  unsigned char request[3] = {0x04, 2, 0x90};
  ASSERT_EQ(zendrel.setFeature(request, 3), 1);
  EXPECT_EQ(zendrel.Status(), 1);
  unsigned char caps[6] = {0x13};
  ASSERT_EQ(zendrel.getFeature(caps, 6), 1);
  const unsigned char expected[6] = {0x13, 0x06, 0x02, 0xC0, 0xDB, 0x00};
  EXPECT_EQ(std::memcmp(caps, expected, 6), 0);

  const Ran dump = Tool("dump 3");
  EXPECT_EQ(dump.exitCode, 0u);
  EXPECT_NE(dump.output.find("caps lock c0"), std::string::npos) << dump.output;
  const Ran capture = Tool("capture");
  EXPECT_NE(capture.output.find("set   ok   13 06 02 c0 db 00"), std::string::npos)
      << capture.output;
  EXPECT_NE(capture.output.find("get   ok   13 06 02 c0 db 00"), std::string::npos);
}

TEST_F(CrossProcess, FaultsScriptedByTheToolHitAnotherProcess) {
  Library zendrel;
  ASSERT_EQ(zendrel.openFeature(), 1);
  ASSERT_EQ(Tool("busy 2").exitCode, 0u);
  ASSERT_EQ(Tool("status 4").exitCode, 0u);
  EXPECT_EQ(zendrel.Status(), 3);
  EXPECT_EQ(zendrel.Status(), 3);
  EXPECT_EQ(zendrel.Status(), 4);
  EXPECT_EQ(zendrel.Status(), 1);
  ASSERT_EQ(Tool("fail-get 1").exitCode, 0u);
  EXPECT_EQ(zendrel.Status(), -1);
}

TEST_F(CrossProcess, EventsFromTheToolReachTheListeningWindow) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "BrelFXSimListener";
  RegisterClassA(&windowClass);
  brelfx::UniqueWindow window(CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0,
                                              nullptr, nullptr, windowClass.hInstance, nullptr));
  ASSERT_TRUE(window);
  Library zendrel;
  ASSERT_EQ(zendrel.openMonitor(window.get(), kEventMessage, kPlugMessage), 1);
  ASSERT_EQ(zendrel.openFeature(), 1);

  ASSERT_EQ(Tool("press 5").exitCode, 0u);
  MSG msg;
  ASSERT_TRUE(WaitForMessage(window.get(), kEventMessage, kEventMessage, msg));
  EXPECT_EQ(msg.wParam, 0x0D00u);
  EXPECT_EQ(msg.lParam, 5);

  ASSERT_EQ(Tool("unplug").exitCode, 0u);
  ASSERT_TRUE(WaitForMessage(window.get(), kPlugMessage, kPlugMessage, msg));
  EXPECT_EQ(msg.wParam, 0u);
  EXPECT_EQ(zendrel.Status(), -1);
  EXPECT_EQ(Tool("press 5").exitCode, 1u);
  ASSERT_EQ(Tool("plug").exitCode, 0u);
  ASSERT_TRUE(WaitForMessage(window.get(), kPlugMessage, kPlugMessage, msg));
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(zendrel.openFeature(), 1);
  EXPECT_EQ(zendrel.Status(), 1);
  EXPECT_EQ(zendrel.closeMonitor(), 1);
  EXPECT_EQ(zendrel.closeFeature(), 1);
}

TEST_F(CrossProcess, ToolExitCodes) {
  EXPECT_EQ(Tool("").exitCode, 2u);
  EXPECT_EQ(Tool("profile 9").exitCode, 2u);
  EXPECT_EQ(Tool("launch-rocket").exitCode, 2u);
  const Ran help = Tool("help");
  EXPECT_EQ(help.exitCode, 0u);
  EXPECT_NE(help.output.find("usage: brelfx-sim COMMAND"), std::string::npos);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--write-caps") == 0)
    return WriteCapsLock(std::atoi(argv[2]), std::atoi(argv[3]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
