#include "monitor/settings_files_store.h"

#include <gtest/gtest.h>

#include <memory>

#include "settings/ini_file.h"
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
  EXPECT_NE(block->QuickHelpLan, -1);
}

TEST_F(SettingsFilesStoreTest, ValuesWrittenWhileRunningAreReadBackAtTheNextStart) {
  store.WriteDevice(1);
  store.WriteCurrentProfile(3);
  EXPECT_EQ(config.ReadInt("Setting", "Device", -1), 1);
  store.LoadSettings(*block);
  EXPECT_EQ(block->CurrentProfile, 3);
}

}  // namespace
}  // namespace brelfx
