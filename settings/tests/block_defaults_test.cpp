#include "settings/block_defaults.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/text_field.h"

namespace brelfx {
namespace {

std::unique_ptr<SettingsBlock> DefaultBlock() {
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  ClearBlock(*block);
  SetDefaults(*block, 1033);
  return block;
}

TEST(BlockDefaults, SlotThreeHasItsNameColourAndKeyCodes) {
  auto block = DefaultBlock();
  const ProfileRecord& p = block->Profiles[2];
  EXPECT_EQ(TextField(p.ProFileName), "Default3");
  EXPECT_EQ(p.FixedLtInfo.ColorIndex, 11);
  EXPECT_EQ(p.FixedLtInfo.Flag, 1);
  EXPECT_EQ(p.FixedLtInfo.Red, 0);
  EXPECT_EQ(p.FixedLtInfo.Green, 255);
  EXPECT_EQ(p.FixedLtInfo.Blue, 0);
  EXPECT_EQ(p.MacroKeyInfo[56].FunctionCode, 0xFF);
  EXPECT_EQ(p.MacroKeyInfo[57].FunctionCode, 0xDF);
  for (int k = 10; k <= 29; ++k) EXPECT_EQ(p.MacroKeyInfo[k].FunctionCode, 0xEF) << k;
  for (int k = 0; k < kKeyCount; ++k) {
    EXPECT_EQ(p.MacroKeyInfo[k].KeyIndex, k);
    EXPECT_EQ(p.MacroKeyInfo[k].ActionCount, 0);
  }
  EXPECT_EQ(p.MacroKeyInfo[0].FunctionCode, 0xD3);
  EXPECT_EQ(p.MacroKeyInfo[9].FunctionCode, 0xDC);
  EXPECT_EQ(p.MacroKeyInfo[31].FunctionCode, 0xDD);
  EXPECT_EQ(p.MacroKeyInfo[55].FunctionCode, 0xC2);
  EXPECT_EQ(block->CurrentProfile, 0);
  EXPECT_EQ(block->WindowsProfile, -1);
  EXPECT_EQ(block->QuickHelpLan, 1);
}

TEST(BlockDefaults, ClearBlockKeepsLanguageWindowsProfileAndCounters) {
  auto block = DefaultBlock();
  block->WindowsProfile = 3;
  block->QuickHelpLan = 7;
  block->InfoData[10] = 42;
  block->MouseType = 5;
  block->KeyChanged[1][2] = 1;
  ClearBlock(*block);
  EXPECT_EQ(block->CurrentProfile, -1);
  EXPECT_EQ(block->MouseType, 0);
  EXPECT_EQ(block->WindowsProfile, 3);
  EXPECT_EQ(block->QuickHelpLan, 7);
  EXPECT_EQ(block->InfoData[10], 42);
  EXPECT_EQ(block->KeyChanged[1][2], 0);
  EXPECT_EQ(block->Profiles[4].ProFileName[0], 0);
}

TEST(ChangeFlags, EachKindOfChangeSetsOnlyItsEntry) {
  auto saved = DefaultBlock();
  auto edited = std::make_unique<SettingsBlock>(*saved);
  auto flagsSet = [&] {
    ComputeChangeFlags(*saved, *edited);
    std::vector<int> set;
    for (int i = 0; i < kUpdateFlagCount; ++i)
      if (edited->UpdateFlags[i] == 1) set.push_back(i);
    return set;
  };
  EXPECT_TRUE(flagsSet().empty());

  edited->Profiles[2].MacroKeyInfo[3].Actions[0].Code = 4;  // a macro only
  EXPECT_TRUE(flagsSet().empty());

  edited->Profiles[2].LtTimeout = 30;
  EXPECT_EQ(flagsSet(), std::vector<int>{12});

  *edited = *saved;
  edited->CurrentProfile = 3;
  EXPECT_EQ(flagsSet(), std::vector<int>{15});

  *edited = *saved;
  edited->Profiles[1].HDDKeyboard = 0;
  edited->Profiles[4].ModifyKey[5] = 0;
  edited->Profiles[0].CCLtInfo.Blue = 9;
  EXPECT_EQ(flagsSet(), (std::vector<int>{1, 9, 10}));
}

TEST(QuickHelpLan, LanguageIdsMapToTheirIndex) {
  EXPECT_EQ(QuickHelpLanFromLanguageId(3082), 11);
  EXPECT_EQ(QuickHelpLanFromLanguageId(20490), 11);
  EXPECT_EQ(QuickHelpLanFromLanguageId(4105), 1);
  EXPECT_EQ(QuickHelpLanFromLanguageId(1030), 0);
  EXPECT_EQ(QuickHelpLanFromLanguageId(5132), 3);
  EXPECT_EQ(QuickHelpLanFromLanguageId(1028), 14);
  EXPECT_EQ(QuickHelpLanFromLanguageId(1066), 16);
  EXPECT_EQ(QuickHelpLanFromLanguageId(0), 1);
}

}  // namespace
}  // namespace brelfx
