// brelfx-config reports DIR against settings files written for the purpose.
#include <gtest/gtest.h>

#include <sstream>

#include "device/tests/report_test_blocks.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/settings_files.h"
#include "tests/support/temp_folder.h"
#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ReportsCommand : public ::testing::Test {
 protected:
  int Run(std::vector<std::string> args) {
    const Host host{SystemFileSystem(), NoRegistry(), UsKeyboardLayout(), 0};
    return RunBrelfxConfig(args, out, err, host);
  }

  test::TempFolder folder;
  std::ostringstream out, err;
};

TEST_F(ReportsCommand, PrintsEveryReportInSendingOrderAsHex) {
  auto block = test::DefaultBlock();
  block->Profiles[1].MacroKeyInfo[kKeyCapsLk].FunctionCode = kFnStandard;
  test::GiveMacro(*block, 2, 5, 500);
  test::GiveMacro(*block, 0, 35, 1);
  SettingsFiles(folder.path(), SystemFileSystem(), NoRegistry()).WriteAll(*block);

  ASSERT_EQ(Run({"reports", folder.path()}), kExitOk) << err.str();
  const std::vector<std::string> lines = Lines(out.str());
  // Profile select, eight reports for each of five profiles, two macros.
  ASSERT_EQ(lines.size(), 1u + 8 * 5 + 2);
  EXPECT_EQ(lines[0], "050300");
  EXPECT_EQ(lines[1], "0706003f4c00");                     // key enables of profile 0
  EXPECT_EQ(lines[1 + 7 * 5 + 1], "130601395300");         // Caps Lock of profile 1
  EXPECT_EQ(lines[41].substr(0, 16), "0e23080023be0300");  // profile 0, key 35 first
  EXPECT_EQ(lines[42].substr(0, 16), "0e23080205be0300");
  EXPECT_EQ(lines[42].substr(158, 4), "f401");  // 500 actions
  for (const std::string& line : lines)
    EXPECT_EQ(line.find_first_not_of("0123456789abcdef"), std::string::npos) << line;
  EXPECT_EQ(lines[42].size(), 2u * 2083);
}

TEST_F(ReportsCommand, NeedsAnExistingFolder) {
  EXPECT_EQ(Run({"reports"}), kExitUsage);
  EXPECT_EQ(Run({"reports", folder.Join("absent")}), kExitUsage);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "brelfx-config: usage: brelfx-config reports DIR\nbrelfx-config: " +
                           folder.Join("absent") + ": no such folder\n");
}

}  // namespace
}  // namespace brelfx::config_tool
