#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using test::ReadFileText;
using test::WriteFileText;

class IniFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::string path_ = folder_.Join("config.ini");
};

TEST_F(IniFileTest, WritesCreateTheFileWithCrlfLines) {
  IniFile ini(path_);
  EXPECT_TRUE(ini.WriteString("Setting", "Name", "Brel"));
  EXPECT_TRUE(ini.WriteInt("Setting", "Count", -12));
  const unsigned char bytes[5] = {0x05, 0x01, 0xFF, 0x00, 0x00};
  EXPECT_TRUE(ini.WriteStruct("Light", "Fixed", bytes, sizeof(bytes)));
  EXPECT_EQ(ReadFileText(path_),
            "[Setting]\r\nName=Brel\r\nCount=-12\r\n[Light]\r\nFixed=0501FF000005\r\n");
}

// The monitor's worker and window threads update config.ini at the same time
// (the stamp while a sync starts, Device as the keyboard arrives): each
// thread's keys must all survive the other's updates.
TEST_F(IniFileTest, UpdatesFromTwoThreadsLoseNoKey) {
  constexpr int kWrites = 60;
  auto writeKeys = [this](const char* prefix) {
    IniFile ini(path_);
    for (int n = 0; n < kWrites; ++n) ini.WriteInt("Setting", prefix + std::to_string(n), n);
  };
  std::thread worker(writeKeys, "Worker");
  writeKeys("Window");
  worker.join();
  IniFile ini(path_);
  for (int n = 0; n < kWrites; ++n) {
    EXPECT_EQ(ini.ReadInt("Setting", "Worker" + std::to_string(n), -1), n);
    EXPECT_EQ(ini.ReadInt("Setting", "Window" + std::to_string(n), -1), n);
  }
}

TEST_F(IniFileTest, EveryCallReadsTheFileAnew) {
  IniFile ini(path_);
  EXPECT_EQ(ini.ReadInt("S", "k", 7), 7);  // no file yet
  WriteFileText(path_, "[S]\nk=1\n");
  EXPECT_EQ(ini.ReadInt("S", "k", 7), 1);
  WriteFileText(path_, "[S]\nk=2\n");
  EXPECT_EQ(ini.ReadInt("S", "k", 7), 2);
  unsigned char out[2] = {1, 2};
  EXPECT_FALSE(ini.ReadStruct("S", "k", out, sizeof(out)));
  WriteFileText(path_, "[S]\nk=ABCD78\n");
  EXPECT_TRUE(ini.ReadStruct("S", "k", out, sizeof(out)));
  EXPECT_EQ(out[1], 0xCD);
}

TEST_F(IniFileTest, AWriteThatFailsMidwayLeavesTheOldFileIntact) {
  const std::string old = "[Setting]\r\nKBDelay=1\r\n";
  WriteFileText(path_, old);
  test::FaultyFileSystem fs;
  fs.failingWrite = 1;
  IniFile ini(path_, fs);
  EXPECT_FALSE(ini.WriteString("Setting", "KBDelay", "2"));
  EXPECT_EQ(ReadFileText(path_), old);
  // The half-written temporary file is gone too.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.path()))
    ++files;
  EXPECT_EQ(files, 1);
  EXPECT_TRUE(ini.WriteString("Setting", "KBDelay", "2"));
  EXPECT_EQ(ini.ReadInt("Setting", "KBDelay", 0), 2);
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotOverwritten) {
  const std::string old = "[S]\r\nkeep=1\r\n";
  WriteFileText(path_, old);
  test::FaultyFileSystem fs;
  fs.failReads = true;
  EXPECT_FALSE(IniFile(path_, fs).WriteInt("S", "other", 2));
  EXPECT_EQ(ReadFileText(path_), old);
  EXPECT_EQ(fs.writes, 0);
}

TEST_F(IniFileTest, AMissingFolderFailsTheWrite) {
  IniFile ini(folder_.Join("absent") + "/x.ini");
  EXPECT_FALSE(ini.WriteInt("S", "k", 1));
}

}  // namespace
}  // namespace brelfx
