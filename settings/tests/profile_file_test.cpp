#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/text_field.h"
#include "tests/support/fully_used_settings.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

namespace brelfx {
namespace {

using test::ReadFileText;
using test::WriteFileText;

std::vector<std::string> KeysInOrder(const std::string& text) {
  std::vector<std::string> keys;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line))
    if (line.find('=') != std::string::npos) keys.push_back(line.substr(0, line.find('=')));
  return keys;
}

class ProfileFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::string path_ = folder_.Join("Default0.tkp");
  FileSystem& fs_ = SystemFileSystem();
};

TEST_F(ProfileFileTest, WrittenAndReadBackByteForByte) {
  auto block = test::FullyUsedBlock();
  for (int slot = 0; slot < kProfileCount; ++slot) {
    ASSERT_TRUE(WriteProfileFile(fs_, path_, block->Profiles[slot]));
    auto read = std::make_unique<ProfileRecord>();
    std::memset(read.get(), 0xAA, sizeof(ProfileRecord));
    std::memset(read->Reserved0, 0, sizeof(read->Reserved0));
    std::memset(read->Reserved1, 0, sizeof(read->Reserved1));
    ASSERT_TRUE(ReadProfileFile(fs_, path_, *read));
    EXPECT_EQ(std::memcmp(read.get(), &block->Profiles[slot], sizeof(ProfileRecord)), 0) << slot;
  }
}

TEST_F(ProfileFileTest, WriterEmitsTheEightySixKeysInOrder) {
  auto block = test::FullyUsedBlock();
  ASSERT_TRUE(ExportProfileFile(fs_, path_, block->Profiles[0]));
  const std::string text = ReadFileText(path_);
  std::vector<std::string> expected = {
      "ProFileName", "GameFile0", "GameFile1", "GameFile2", "KBDelay", "KBSpeed",
      "MediaOption", "HDDKeyboard", "SoundProfile", "SoundLRecord", "SoundSens",
      "VolumeUpDown", "SoundTrophy", "SoundVolume", "ModifyKey0", "ModifyKey1", "ModifyKey2",
      "ModifyKey3", "ModifyKey4", "ModifyKey5", "LtBrightness", "DimmerOption", "LtTimeout",
      "LtSwitch", "LtBreathSwitch", "LtColorType", "FixedLtInfo", "CCLtInfo"};
  for (int i = 0; i < kKeyCount; ++i) expected.push_back("MacroKeyInfo" + std::to_string(i));
  EXPECT_EQ(KeysInOrder(text), expected);
  EXPECT_EQ(expected.size(), static_cast<std::size_t>(kProfileKeyCount));
  EXPECT_EQ(text.rfind("[Setting]\r\n", 0), 0u);
  const IniDocument doc(text);
  EXPECT_EQ(doc.Find("Setting", "MacroKeyInfo57")->size(), 5066u);
  EXPECT_EQ(doc.ReadString("Setting", "ProFileName", ""), "Raid night \xE9quipe 1");
}

TEST_F(ProfileFileTest, MissingAndDamagedValues) {
  auto block = test::FullyUsedBlock();
  ProfileRecord& before = block->Profiles[1];
  IniDocument doc;
  WriteProfile(doc, before);
  std::string text = doc.Text();
  // Damage MacroKeyInfo3 (one digit), drop KBSpeed, LtTimeout and GameFile1,
  // and make the name overlong.
  const std::size_t at = text.find("MacroKeyInfo3=") + 20;
  text[at] = text[at] == '0' ? '1' : '0';
  for (const char* key : {"KBSpeed=", "LtTimeout=", "GameFile1="})
    text.replace(text.find(key), 1, ";");
  const std::size_t nameAt = text.find("ProFileName=") + 12;
  text.insert(nameAt, std::string(300, 'n'));

  auto read = std::make_unique<ProfileRecord>(before);
  read->MacroKeyInfo[3].RepeatCount = 77;  // what the field held before the read
  ReadProfile(IniDocument(text), *read);
  EXPECT_EQ(read->KBSpeed, -1);
  EXPECT_EQ(read->LtTimeout, 0);
  EXPECT_EQ(TextField(read->GameFile1), "");
  EXPECT_EQ(TextField(read->ProFileName), std::string(249, 'n'));
  EXPECT_EQ(read->MacroKeyInfo[3].RepeatCount, 77);  // damaged: kept as it was
  EXPECT_EQ(std::memcmp(&read->MacroKeyInfo[4], &before.MacroKeyInfo[4], sizeof(KeyAssignment)), 0);
}

TEST_F(ProfileFileTest, RewriteKeepsForeignLinesAndExportStartsFresh) {
  WriteFileText(path_, "; exported by hand\r\n[Setting]\r\nKBDelay=0\r\nColour=blue\r\n");
  ProfileRecord profile;
  SetProfileDefaults(profile, 0);
  ASSERT_TRUE(WriteProfileFile(fs_, path_, profile));
  std::string text = ReadFileText(path_);
  EXPECT_EQ(text.rfind("; exported by hand\r\n[Setting]\r\nKBDelay=1\r\nColour=blue\r\n", 0), 0u);
  EXPECT_EQ(KeysInOrder(text).size(), static_cast<std::size_t>(kProfileKeyCount + 1));

  ASSERT_TRUE(ExportProfileFile(fs_, path_, profile));
  text = ReadFileText(path_);
  EXPECT_EQ(text.find("Colour"), std::string::npos);
  EXPECT_EQ(KeysInOrder(text).size(), static_cast<std::size_t>(kProfileKeyCount));
}

TEST_F(ProfileFileTest, DefaultProfileMatchesTheGoldenFile) {
  const std::string golden = ReadFileText(test::TestDataPath("settings/Default0-head.tkp"));
  ASSERT_FALSE(golden.empty());
  ProfileRecord profile;
  SetProfileDefaults(profile, 0);
  IniDocument doc;
  WriteProfile(doc, profile);
  const std::string text = doc.Text();
  EXPECT_EQ(text.substr(0, golden.size()), golden);
  // And the golden lines read back as the defaults of slot 1.
  ProfileRecord read;
  std::memset(&read, 0, sizeof(read));
  SetProfileDefaults(read, 4);
  ReadProfile(IniDocument(golden), read);
  EXPECT_EQ(std::memcmp(&read, &profile, offsetof(ProfileRecord, MacroKeyInfo) + sizeof(KeyAssignment)), 0);
}

}  // namespace
}  // namespace brelfx
