#include "monitor/talk/talk_registration.h"

#include <gtest/gtest.h>

#include "platform/path.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

class TalkRegistration : public ::testing::Test {
 protected:
  test::TempFolder temp;
  std::string folder = TalkConfigFolder(temp.path());
  std::string file = JoinPath(folder, kTalkConfigFileName);
};

TEST_F(TalkRegistration, CreatesTheFoldersAndEntersTheKeyboard) {
  ASSERT_TRUE(RegisterInTalkFile(SystemFileSystem(), folder));
  EXPECT_EQ(
      test::ReadFileText(file),
      "[BrelFX]\r\nName=Brel FX\r\nWindowName=Tarvek Brel FX Keyboard Monitor\r\nDevice=0\r\n");
}

TEST_F(TalkRegistration, KeepsAFileThatNamesTheKeyboardInAnySection) {
  ASSERT_TRUE(RegisterInTalkFile(SystemFileSystem(), folder));
  const std::string listed =
      "[Mouse]\r\nName=Kalim Mouse\r\nWindowName=M\r\nDevice=2\r\n[Board]\r\nName=brel fx\r\n";
  test::WriteFileText(file, listed);
  ASSERT_TRUE(RegisterInTalkFile(SystemFileSystem(), folder));
  EXPECT_EQ(test::ReadFileText(file), listed);
}

TEST_F(TalkRegistration, AddsTheKeyboardBesideOtherDevices) {
  ASSERT_TRUE(RegisterInTalkFile(SystemFileSystem(), folder));
  test::WriteFileText(file, "[Mouse]\r\nName=Kalim Mouse\r\n");
  ASSERT_TRUE(RegisterInTalkFile(SystemFileSystem(), folder));
  EXPECT_EQ(test::ReadFileText(file),
            "[Mouse]\r\nName=Kalim Mouse\r\n[BrelFX]\r\nName=Brel FX\r\n"
            "WindowName=Tarvek Brel FX Keyboard Monitor\r\nDevice=0\r\n");
}

}  // namespace
}  // namespace brelfx
