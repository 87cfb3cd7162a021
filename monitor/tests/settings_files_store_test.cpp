#include "monitor/settings_files_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/block_defaults.h"
#include "platform/path.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/text_field.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

class SettingsFilesStoreTest : public ::testing::Test {
 protected:
  test::TempFolder temp;
  SettingsFilesStore store{temp.path(), temp.Join("talk"), SystemFileSystem(), NoRegistry(),
                           0x0409};
  std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
  IniFile config{temp.Join("config.ini")};
};

TEST_F(SettingsFilesStoreTest, FirstStartWithoutConfigIniTakesTheDefaultsWithProfileOne) {
  block->CurrentProfile = 4;
  store.LoadSettings(*block);
  EXPECT_EQ(block->CurrentProfile, 0);
  ProfileRecord slot3;
  SetProfileDefaults(slot3, 2);
  EXPECT_EQ(std::memcmp(&block->Profiles[2], &slot3, sizeof(slot3)), 0);
}

TEST_F(SettingsFilesStoreTest, ProfileFilesWithoutConfigIniAreKept) {
  ProfileRecord saved;
  SetProfileDefaults(saved, 3);
  SetTextField(saved.GameFile0, "C:\\Games\\raid.exe");
  saved.MacroKeyInfo[0].FunctionCode = kFnMacro;
  saved.MacroKeyInfo[0].ActionCount = 1;
  SystemFileSystem().CreateFolder(temp.Join("config"));
  ASSERT_TRUE(WriteProfileFile(SystemFileSystem(), store.files().ProfileFilePath(3), saved));
  IniFile(store.files().ConfigIniPath()).WriteInt("Setting", "CurrentProfile", 7);
  for (bool withConfig : {true, false}) {
    if (!withConfig) {
      ASSERT_TRUE(SystemFileSystem().RemoveFile(store.files().ConfigIniPath()));
    }
    store.LoadSettings(*block);
    EXPECT_EQ(block->CurrentProfile, 0) << withConfig;
    EXPECT_EQ(std::memcmp(&block->Profiles[3], &saved, sizeof(saved)), 0) << withConfig;
  }
}

TEST_F(SettingsFilesStoreTest, ValuesWrittenWhileRunningAreReadBackAtTheNextStart) {
  store.WriteDevice(1);
  store.WriteCurrentProfile(3);
  EXPECT_EQ(config.ReadInt("Setting", "Device", -1), 1);
  store.LoadSettings(*block);
  EXPECT_EQ(block->CurrentProfile, 3);
}

TEST_F(SettingsFilesStoreTest, StartUpRemovesTheTemporaryFilesOfCutShortSaves) {
  SystemFileSystem().CreateFolder(temp.Join("config"));
  const std::string config = temp.Join("config");
  const std::vector<std::string> stale = {
      temp.Join("~bx3a0.tmp"), JoinPath(config, "~bxFFF.tmp"),
      JoinPath(config, "Default2.tkp.0123abcd00ff.tmp")};  // as earlier versions named them
  const std::vector<std::string> kept = {temp.Join("~bx3a0x.tmp"), JoinPath(config, "~bxzz1.tmp"),
                                         JoinPath(config, "notes.tmp"),
                                         JoinPath(config, "Default2.tkp.0123abcd00ff")};
  for (const auto* paths : {&stale, &kept})
    for (const std::string& path : *paths) test::WriteFileText(path, "x");
  store.LoadSettings(*block);
  for (const std::string& path : stale) EXPECT_FALSE(FileExists(SystemFileSystem(), path)) << path;
  for (const std::string& path : kept) EXPECT_TRUE(FileExists(SystemFileSystem(), path)) << path;
}

}  // namespace
}  // namespace brelfx
