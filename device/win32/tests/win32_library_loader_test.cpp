#include "device/win32/win32_library_loader.h"

#include <gtest/gtest.h>

#include "device/zendrel_binding.h"
#include "device/zendrel_calls.h"

namespace brelfx {
namespace {

// The probe library lives in the subfolder "probe" beside this test program.
std::string ProgramInProbeFolder() {
  const std::string program = RunningProgramPath();
  return program.substr(0, program.find_last_of('\\') + 1) + "probe\\monitor.exe";
}

TEST(Win32LibraryLoader, RunningProgramPathNamesThisProgram) {
  const std::string program = RunningProgramPath();
  EXPECT_NE(program.find(":\\"), std::string::npos) << program;
  EXPECT_EQ(program.substr(program.size() - 4), ".exe");
}

TEST(Win32LibraryLoader, BindsTheEntryPointsTheLibraryExports) {
  Win32LibraryLoader loader;
  ZendrelBinding binding(loader);
  ASSERT_EQ(binding.Bind(ProgramInProbeFolder()), 1);
  EXPECT_EQ(OpenFeatureDevice(binding.api()), 7);
  unsigned char report[3] = {0x05, 0x03, 0x02};
  EXPECT_EQ(SetFeature(binding.api(), report, 3), 1);
  EXPECT_EQ(binding.api().GetFeature, nullptr);
  EXPECT_EQ(GetFeature(binding.api(), report, 3), 0);
  binding.Release();  // the closes it lacks are skipped
  EXPECT_FALSE(binding.bound());
}

TEST(Win32LibraryLoader, AFolderWithoutTheLibraryBindsNothing) {
  Win32LibraryLoader loader;
  ZendrelBinding binding(loader);
  EXPECT_EQ(binding.Bind("C:\\no such folder\\monitor.exe"), 0);
  EXPECT_FALSE(binding.bound());
}

}  // namespace
}  // namespace brelfx
