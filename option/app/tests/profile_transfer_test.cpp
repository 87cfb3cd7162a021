// Load and Save of profile files, on the real file system in a fresh folder.
#include "option/app/profile_transfer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/path.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/text_field.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using test::ReadFileText;
using test::WriteFileText;

class ProfileTransferTest : public testing::Test {
 protected:
  void SetUp() override {
    SetDefaults(*block, 1033);
    block->CurrentProfile = 2;
    fs.CreateFolder(folder.Join("config"));
    fs.CreateFolder(folder.Join("exports"));
    files.WriteAll(*block);
  }

  // An exported profile that differs from every slot.
  std::string WriteGameProfile() {
    auto game = std::make_unique<ProfileRecord>();
    SetProfileDefaults(*game, 4);
    SetTextField(game->ProFileName, "Game");
    game->MacroKeyInfo[7].FunctionCode = kFnMacro;
    const std::string path = JoinPath(folder.Join("exports"), "game.tkp");
    EXPECT_TRUE(ExportProfileFile(fs, path, *game));
    return path;
  }

  int KeysMarked(int slot) const {
    int marked = 0;
    for (std::int32_t changed : block->KeyChanged[slot]) marked += changed;
    return marked;
  }

  test::TempFolder folder;
  test::FaultyFileSystem fs;
  SettingsFiles files{folder.path(), fs, NoRegistry()};
  ProfileTransfer transfer{folder.path(), fs, files};
  std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
};

TEST_F(ProfileTransferTest, LoadCopiesTheFileBesideTheProgramAndMarksEveryKeyOfTheSlot) {
  const std::string path = WriteGameProfile();
  const TransferResult result = transfer.Load(path, *block);
  EXPECT_TRUE(result.done) << result.message;
  EXPECT_EQ(ReadFileText(folder.Join("game.tkp")), ReadFileText(path));
  EXPECT_EQ(TextField(block->Profiles[2].ProFileName), "Game");
  EXPECT_EQ(block->Profiles[2].MacroKeyInfo[7].FunctionCode, kFnMacro);
  EXPECT_EQ(KeysMarked(2), kKeyCount);
  EXPECT_EQ(KeysMarked(1) + KeysMarked(3), 0);
  EXPECT_EQ(TextField(block->Profiles[1].ProFileName), "Default2");
}

TEST_F(ProfileTransferTest, LoadWhoseCopyFailsLeavesTheEarlierCopyWholeAndStillLoads) {
  const std::string path = WriteGameProfile();
  WriteFileText(folder.Join("game.tkp"), "earlier copy");
  fs.failingWrite = fs.writes + 1;
  const TransferResult result = transfer.Load(path, *block);
  EXPECT_TRUE(result.done);
  EXPECT_NE(result.message.find("could not be written"), std::string::npos);
  EXPECT_EQ(ReadFileText(folder.Join("game.tkp")), "earlier copy");
  EXPECT_EQ(TextField(block->Profiles[2].ProFileName), "Game");
}

TEST_F(ProfileTransferTest, LoadOfAFileThatIsNotAProfileChangesNothing) {
  const std::string path = WriteGameProfile();
  const std::string whole = ReadFileText(path);
  const std::string cases[] = {"", std::string("\x00\xFF\x7F\x01PK\x03\x04", 8),
                               whole.substr(0, whole.size() * 3 / 4),
                               "[Setting]\r\nProFileName=Game\r\n"};
  auto before = std::make_unique<SettingsBlock>(*block);
  for (const std::string& text : cases) {
    WriteFileText(path, text);
    const TransferResult result = transfer.Load(path, *block);
    EXPECT_FALSE(result.done);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(std::memcmp(before.get(), block.get(), sizeof(SettingsBlock)), 0);
    EXPECT_EQ(fs.Kind(folder.Join("game.tkp")), PathKind::kMissing);
  }
  EXPECT_FALSE(transfer.Load(folder.Join("absent.tkp"), *block).done);
}

TEST_F(ProfileTransferTest, SaveWritesTheFileTitlesTheSlotAndCopiesIntoConfig) {
  SetTextField(block->Profiles[2].ProFileName, "Racing");
  const std::string path = JoinPath(folder.Join("exports"), "game.tkp");
  WriteFileText(path, "[Other]\r\nStale=1\r\n");  // the dialog asked before overwriting
  const TransferResult result = transfer.Save(path, *block);
  EXPECT_TRUE(result.done) << result.message;

  auto read = std::make_unique<ProfileRecord>();
  ASSERT_TRUE(ReadProfileFile(fs, path, *read));
  EXPECT_EQ(TextField(read->ProFileName), "Racing");
  EXPECT_EQ(ReadFileText(path).find("Stale"), std::string::npos);
  EXPECT_EQ(IniFile(files.ConfigIniPath(), fs).ReadString("FileName", "Profile3", ""), "game");
  EXPECT_EQ(ReadFileText(JoinPath(folder.Join("config"), "game.tkp")), ReadFileText(path));
}

TEST_F(ProfileTransferTest, SaveThatCannotWriteKeepsTheChosenFileAsItWas) {
  const std::string path = JoinPath(folder.Join("exports"), "game.tkp");
  WriteFileText(path, "old profile");
  fs.failingWrite = fs.writes + 1;
  EXPECT_FALSE(transfer.Save(path, *block).done);
  EXPECT_EQ(ReadFileText(path), "old profile");
  EXPECT_EQ(IniFile(files.ConfigIniPath(), fs).ReadString("FileName", "Profile3", "-"), "-");
}

TEST_F(ProfileTransferTest, SaveUnderAnotherSlotsProfileFileNameIsRefused) {
  const std::string slot4File = files.ProfileFilePath(3);
  const std::string before = ReadFileText(slot4File);
  const std::string chosen = JoinPath(folder.Join("exports"), "default3.tkp");
  const TransferResult refused = transfer.Save(chosen, *block);
  EXPECT_FALSE(refused.done);
  EXPECT_NE(refused.message.find("slot 4"), std::string::npos) << refused.message;
  EXPECT_EQ(ReadFileText(slot4File), before);
  EXPECT_EQ(fs.Kind(chosen), PathKind::kMissing);

  // The active slot's own file name is its own to write.
  EXPECT_TRUE(transfer.Save(JoinPath(folder.Join("exports"), "Default2.tkp"), *block).done);
}

}  // namespace
}  // namespace brelfx
