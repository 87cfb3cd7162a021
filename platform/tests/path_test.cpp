#include "platform/path.h"

#include <gtest/gtest.h>

namespace brelfx {
namespace {

TEST(Path, JoinAddsOneSeparator) {
  const std::string sep(1, kPathSeparator);
  EXPECT_EQ(JoinPath("C:\\Brel\\", "config.ini"), "C:\\Brel\\config.ini");
  EXPECT_EQ(JoinPath("/opt/brel/", "config.ini"), "/opt/brel/config.ini");
  EXPECT_EQ(JoinPath("dir", "config.ini"), "dir" + sep + "config.ini");
  EXPECT_EQ(JoinPath("", "config.ini"), "config.ini");
}

TEST(Path, FileNameOfTakesTheLastComponent) {
  EXPECT_EQ(FileNameOf("C:\\Games\\game.exe"), "game.exe");
  EXPECT_EQ(FileNameOf("/usr/bin/tool"), "tool");
  EXPECT_EQ(FileNameOf("C:setup.exe"), "setup.exe");
  EXPECT_EQ(FileNameOf("plain.txt"), "plain.txt");
  EXPECT_EQ(FileNameOf("C:\\folder\\"), "");
}

}  // namespace
}  // namespace brelfx
