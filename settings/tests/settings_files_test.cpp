#include "settings/settings_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

#include "platform/path.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/text_field.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/fully_used_settings.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using test::ReadFileText;
using test::WriteFileText;

class FakeRegistry final : public Registry {
 public:
  std::map<std::string, std::string> values;  // "key|value" → text
  int reads = 0;
  std::optional<std::string> ReadUserString(std::string_view key, std::string_view value) override {
    ++reads;
    const auto it = values.find(Name(key, value));
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool WriteUserString(std::string_view key, std::string_view value,
                       std::string_view text) override {
    values[Name(key, value)] = std::string(text);
    return true;
  }
  static std::string Name(std::string_view key, std::string_view value) {
    return std::string(key) + "|" + std::string(value);
  }
};
const std::string kDelay = "Control Panel\\Keyboard|KeyboardDelay";
const std::string kSpeed = "Control Panel\\Keyboard|KeyboardSpeed";

bool SameFileContent(const SettingsBlock& a, const SettingsBlock& b) {
  return std::memcmp(&a, &b, kChangeAreaOffset) == 0;
}

class SettingsFilesTest : public ::testing::Test {
 protected:
  std::unique_ptr<SettingsBlock> NewBlock() {
    auto block = std::make_unique<SettingsBlock>();
    std::memset(block.get(), 0, sizeof(SettingsBlock));
    ClearBlock(*block);
    return block;
  }
  test::TempFolder folder_;
  FakeRegistry registry_;
  test::FaultyFileSystem fs_;
  SettingsFiles files_{folder_.path(), fs_, registry_};
};

TEST_F(SettingsFilesTest, WriteAllThenReadAllGivesTheSameBlock) {
  auto written = test::FullyUsedBlock();
  ASSERT_TRUE(files_.WriteAll(*written));  // the config folder does not exist yet
  EXPECT_EQ(registry_.values[kDelay], std::to_string(written->Profiles[2].KBDelay));
  EXPECT_EQ(registry_.values[kSpeed], std::to_string(written->Profiles[2].KBSpeed));
  EXPECT_TRUE(FileExists(fs_, files_.ProfileFilePath(4)));
  EXPECT_FALSE(FileExists(fs_, files_.ProfileFilePath(5)));

  auto read = NewBlock();
  EXPECT_TRUE(files_.ReadAll(*read));
  EXPECT_TRUE(SameFileContent(*read, *written));
  const std::string config = ReadFileText(files_.ConfigIniPath());
  EXPECT_EQ(config.rfind("[Setting]\r\nCurrentProfile=2\r\nWindowsProfile=4\r\nQuickHelpLan=4\r\n"
                         "MouseType=3\r\nInfoData=0007",
                         0),
            0u);
}

TEST_F(SettingsFilesTest, ReadAllOfAnEmptyFolderGivesSlotDefaults) {
  registry_.values[kDelay] = "3";
  auto read = NewBlock();
  files_.ReadAll(*read);
  EXPECT_EQ(read->CurrentProfile, -1);  // no "CurrentProfile": no slot takes the registry values
  EXPECT_EQ(read->QuickHelpLan, -1);
  EXPECT_EQ(registry_.reads, 0);
  ProfileRecord slot4;
  SetProfileDefaults(slot4, 3);
  EXPECT_EQ(std::memcmp(&read->Profiles[3], &slot4, sizeof(slot4)), 0);
}

TEST_F(SettingsFilesTest, ActiveSlotTakesTheRegistryValuesThatExist) {
  auto block = test::FullyUsedBlock();
  ASSERT_TRUE(files_.WriteAll(*block));
  registry_.values.clear();
  registry_.values[kDelay] = "3";
  auto read = NewBlock();
  files_.ReadAll(*read);
  EXPECT_EQ(read->Profiles[2].KBDelay, 3);
  EXPECT_EQ(read->Profiles[2].KBSpeed, block->Profiles[2].KBSpeed);  // no speed value
  EXPECT_EQ(read->Profiles[1].KBDelay, block->Profiles[1].KBDelay);
}

TEST_F(SettingsFilesTest, KeyRepeatOutsideWindowsRangesStaysInTheFilesOnly) {
  auto block = test::FullyUsedBlock();
  ProfileRecord& active = block->Profiles[block->CurrentProfile];
  registry_.values[kDelay] = "2";
  registry_.values[kSpeed] = "20";
  for (auto [delay, speed] : {std::pair{-1, -1}, std::pair{4, 32}}) {
    active.KBDelay = delay;  // -1: a profile file without KBDelay and KBSpeed
    active.KBSpeed = speed;
    ASSERT_TRUE(files_.WriteAll(*block));
    EXPECT_EQ(registry_.values[kDelay], "2");
    EXPECT_EQ(registry_.values[kSpeed], "20");
    ProfileRecord read{};
    ReadProfile(IniDocument::Over(ReadFileText(files_.ProfileFilePath(block->CurrentProfile))),
                read);
    EXPECT_EQ(read.KBDelay, delay);
    EXPECT_EQ(read.KBSpeed, speed);
  }
  active.KBDelay = 0;
  active.KBSpeed = 31;
  ASSERT_TRUE(files_.WriteAll(*block));
  EXPECT_EQ(registry_.values[kDelay], "0");
  EXPECT_EQ(registry_.values[kSpeed], "31");
}

TEST_F(SettingsFilesTest, AFailedWriteKeepsTheOldFileAndReportsFailure) {
  auto first = test::FullyUsedBlock();
  ASSERT_TRUE(files_.WriteAll(*first));
  const std::string oldSlot2 = ReadFileText(files_.ProfileFilePath(2));
  auto second = test::FullyUsedBlock();
  for (ProfileRecord& p : second->Profiles) SetTextField(p.ProFileName, "Changed");
  fs_.failingWrite = fs_.writes + 4;  // config.ini, Default0, Default1, then Default2 fails
  EXPECT_FALSE(files_.WriteAll(*second));
  EXPECT_EQ(ReadFileText(files_.ProfileFilePath(2)), oldSlot2);
  auto read = NewBlock();
  files_.ReadAll(*read);
  EXPECT_EQ(TextField(read->Profiles[1].ProFileName), "Changed");
  EXPECT_EQ(TextField(read->Profiles[3].ProFileName), "Changed");
  EXPECT_EQ(TextField(read->Profiles[2].ProFileName), "Raid night \xE9quipe 3");
}

// A settings file is written beside its target under a name no longer than
// "config.ini" (paths near the length limit stay writable), and a leftover of
// that name, from a save cut short, goes at the next start.
TEST_F(SettingsFilesTest, TemporaryFilesAreShortNamedAndRemovedWhenLeftBehind) {
  ASSERT_TRUE(files_.WriteProfileFiles(*test::FullyUsedBlock()));
  const std::string temp = fs_.lastWritten;
  EXPECT_EQ(temp.substr(0, temp.size() - FileNameOf(temp).size()),
            files_.ProfileFilePath(4).substr(0, files_.ProfileFilePath(4).size() - 12));
  EXPECT_LE(FileNameOf(temp).size(), std::string_view("config.ini").size());
  EXPECT_FALSE(FileExists(fs_, temp));

  WriteFileText(temp, "cut short");
  files_.RemoveStaleTemporaryFiles();
  EXPECT_FALSE(FileExists(fs_, temp));
  EXPECT_TRUE(FileExists(fs_, files_.ProfileFilePath(4)));
}

TEST_F(SettingsFilesTest, SingleValuesOfConfigIni) {
  EXPECT_EQ(files_.ReadFWVersion(), 100);
  const OSDSetting none = files_.ReadOsdSetting();
  const OSDSetting zero{};
  EXPECT_EQ(std::memcmp(&none, &zero, sizeof(none)), 0);

  EXPECT_TRUE(files_.WriteFWVersion(105));
  EXPECT_TRUE(files_.WriteDevice(1));
  EXPECT_TRUE(files_.WriteProfileTitle(3, "Raid.tkp"));
  SettingsStamp stamp{{0x78, 0x56, 0x34, 0x12}};
  EXPECT_TRUE(files_.WriteSettingsStamp(stamp));
  std::uint8_t info[kInfoDataSize] = {};
  info[143] = 9;
  EXPECT_TRUE(files_.WriteInfoData(info));
  OSDSetting osd = DefaultOsdSetting();
  SetTextField(osd.MailServer, "pop.example");
  osd.DisplayValue1 = 0x10002;
  IniFile(files_.ConfigIniPath()).WriteStruct("OSDSetting", "config", &osd, sizeof(osd));

  EXPECT_EQ(files_.ReadFWVersion(), 105);
  SettingsStamp read{};
  EXPECT_TRUE(files_.ReadSettingsStamp(read));
  EXPECT_EQ(std::memcmp(&read, &stamp, sizeof(stamp)), 0);
  const OSDSetting osdRead = files_.ReadOsdSetting();
  EXPECT_EQ(std::memcmp(&osdRead, &osd, sizeof(osd)), 0);
  EXPECT_EQ(ReadFileText(files_.ConfigIniPath()).rfind("[Setting]\r\nFWVersion=105\r\nDevice=1\r\n"
                                                       "InfoData=0000000000", 0),
            0u);
  const IniDocument config(ReadFileText(files_.ConfigIniPath()));
  EXPECT_EQ(config.ReadString("FileName", "Profile3", ""), "Raid.tkp");
  EXPECT_EQ(config.Find("HidAccessCode", "Code")->size(), 34u);
}

TEST_F(SettingsFilesTest, DeviceListRoundTripAndLimits) {
  CompanionDeviceList list{};
  list.Count = 2;
  list.Devices[0] = CompanionDevice{0x1A2B, 0x0042, "Rodent", {400, 800, 1600, 3200, 6400}};
  list.Devices[1] = CompanionDevice{1, 2, "Pad", {1, 2, 3, 4, 5}};
  ASSERT_TRUE(files_.WriteDeviceList(list));
  const IniDocument file(ReadFileText(files_.DeviceInfoPath()));
  EXPECT_EQ(file.ReadInt("Device0", "VID", 0), 0x1A2B);
  EXPECT_EQ(file.ReadInt("Device1", "CPI 4", 0), 5);
  const CompanionDeviceList read = files_.ReadDeviceList();
  EXPECT_EQ(std::memcmp(&read, &list, sizeof(list)), 0);

  WriteFileText(files_.DeviceInfoPath(),
                "[Setting]\r\nCount=150\r\n[Device0]\r\nName=A name far longer than nineteen\r\n");
  const CompanionDeviceList clipped = files_.ReadDeviceList();
  EXPECT_EQ(clipped.Count, kMaxCompanionDevices);
  EXPECT_EQ(TextField(clipped.Devices[0].Name), "A name far longer t");
  WriteFileText(files_.DeviceInfoPath(), "[Setting]\r\nCount=-4\r\n");
  EXPECT_EQ(files_.ReadDeviceList().Count, 0);
}

}  // namespace
}  // namespace brelfx
