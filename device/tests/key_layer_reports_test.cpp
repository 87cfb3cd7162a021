#include "device/key_layer_reports.h"

#include <gtest/gtest.h>

#include "device/tests/report_test_blocks.h"
#include "settings/text_field.h"
#include "tests/support/test_data.h"

namespace brelfx {
namespace {

using test::DefaultBlock;
using test::ReadHexFile;

void SetShortcut(KeyAssignment& entry, std::uint8_t usage, std::uint8_t modifiers) {
  entry.FunctionCode = kFnShortcut;
  entry.ActionCount = 1;
  entry.Actions[0] = {usage, modifiers, 0};
}

TEST(KeyLayerReport, ShortcutOnVexaF5MatchesTheGoldenReport) {
  auto block = DefaultBlock();
  SetShortcut(block->Profiles[0].MacroKeyInfo[40], 0x04, 0x06);
  const Report report = BuildKeyLayerReport(kFKeyLayer, block->Profiles[0], 0);
  EXPECT_EQ(report, ReadHexFile("device/fkey_layer_shortcut_key40.hex"));
  EXPECT_EQ(report[7], 0xB8);
  EXPECT_EQ(report[19], 0x06);
  EXPECT_EQ(report[31], 0x04);
}

TEST(KeyLayerReport, ReadShortcutBecomesAOneActionEntryWithoutNames) {
  auto block = DefaultBlock();
  KeyAssignment& entry = block->Profiles[0].MacroKeyInfo[40];
  entry.FunctionCode = kFnMacro;
  entry.ActionCount = 7;
  entry.Actions[0].Delay = 250;
  SetTextField(entry.MacroSetName, "Set");
  SetTextField(entry.MacroName, "Combo");
  SetTextField(entry.TimerName, "Egg timer");
  ASSERT_TRUE(ParseKeyLayerReport(kFKeyLayer, ReadHexFile("device/fkey_layer_shortcut_key40.hex"),
                                  *block));
  EXPECT_EQ(entry.FunctionCode, kFnShortcut);
  EXPECT_EQ(entry.ActionCount, 1);
  EXPECT_EQ(entry.Actions[0].Code, 0x04);
  EXPECT_EQ(entry.Actions[0].Type, 0x06);
  EXPECT_EQ(entry.Actions[0].Delay, 250);  // nothing else in the entry changes
  EXPECT_EQ(TextField(entry.MacroSetName), "");
  EXPECT_EQ(TextField(entry.MacroName), "");
  EXPECT_EQ(TextField(entry.TimerName), "Egg timer");
  EXPECT_EQ(block->Profiles[0].MacroKeyInfo[41].FunctionCode, kFnStandard);
}

TEST(KeyLayerReport, TheKeysOwnCodeReadsBackAsTheStandardFunction) {
  auto block = DefaultBlock();
  block->Profiles[1].MacroKeyInfo[40].FunctionCode = 0x3E;  // Vexa F5 set to F5 explicitly
  const Report report = BuildKeyLayerReport(kFKeyLayer, block->Profiles[1], 1);
  EXPECT_EQ(report[7], 0x3E);
  ASSERT_TRUE(ParseKeyLayerReport(kFKeyLayer, report, *block));
  EXPECT_EQ(block->Profiles[1].MacroKeyInfo[40].FunctionCode, kFnStandard);
}

class EveryKeyLayer : public ::testing::TestWithParam<const KeyLayer*> {};

TEST_P(EveryKeyLayer, ParsingWhatWasBuiltRestoresTheAssignments) {
  const KeyLayer& layer = *GetParam();
  auto sent = DefaultBlock();
  constexpr std::uint8_t kCodes[] = {kFnStandard, kFnMacro, kFnShortcut, 0xC0, kFnDisabled};
  for (int i = 0; i < layer.keyCount; ++i) {
    KeyAssignment& entry = sent->Profiles[4].MacroKeyInfo[layer.firstKey + i];
    entry.FunctionCode = kCodes[i % 5];
    if (entry.FunctionCode == kFnShortcut) SetShortcut(entry, 0x10 + i, 0x02);
  }
  const Report report = BuildKeyLayerReport(layer, sent->Profiles[4], 4);
  ASSERT_EQ(static_cast<int>(report.size()), layer.length());
  EXPECT_EQ(report[1], layer.length());
  EXPECT_TRUE(ChecksumMatches(report));

  auto read = DefaultBlock();
  ASSERT_TRUE(ParseKeyLayerReport(layer, report, *read));
  EXPECT_TRUE(test::SameBlock(*sent, *read));
  EXPECT_EQ(BuildKeyLayerReport(layer, read->Profiles[4], 4), report);
}

INSTANTIATE_TEST_SUITE_P(KeyLayerReport, EveryKeyLayer, ::testing::ValuesIn(kKeyLayers),
                         [](const auto& info) { return "Report" + std::to_string(info.param->id); });

TEST(CapsLockReport, StandardFunctionTravelsAsCapsLock) {
  auto block = DefaultBlock();
  block->Profiles[1].MacroKeyInfo[kKeyCapsLk].FunctionCode = kFnStandard;
  const Report golden = ReadHexFile("device/caps_lock_standard.hex");
  EXPECT_EQ(golden, (Report{0x13, 0x06, 0x01, 0x39, 0x53, 0x00}));
  EXPECT_EQ(BuildCapsLockReport(block->Profiles[1], 1), golden);

  block->Profiles[1].MacroKeyInfo[kKeyCapsLk].FunctionCode = kFnOwnVexa;
  ASSERT_TRUE(ParseCapsLockReport(golden, *block));
  EXPECT_EQ(block->Profiles[1].MacroKeyInfo[kKeyCapsLk].FunctionCode, kFnStandard);
}

TEST(CapsLockReport, AShortcutTravelsWithoutItsKeys) {
  auto block = DefaultBlock();
  KeyAssignment& entry = block->Profiles[3].MacroKeyInfo[kKeyCapsLk];
  SetShortcut(entry, 0x04, 0x02);
  const Report report = BuildCapsLockReport(block->Profiles[3], 3);
  EXPECT_EQ(report, (Report{0x13, 0x06, 0x03, 0xB8, 0xD4, 0x00}));
  entry.ActionCount = 0;
  ASSERT_TRUE(ParseCapsLockReport(report, *block));
  EXPECT_EQ(entry.FunctionCode, kFnShortcut);
  EXPECT_EQ(entry.ActionCount, 0);
}

TEST(KeyLayerReport, ReportsNamingNoSlotOrOfTheWrongSizeAreNotStored) {
  auto block = DefaultBlock();
  const auto before = DefaultBlock();
  Report keys = BuildKeyLayerReport(kZonixLayer, block->Profiles[0], 0);
  keys[2] = 5;
  EXPECT_FALSE(ParseKeyLayerReport(kZonixLayer, keys, *block));
  keys[2] = 0xFF;
  EXPECT_FALSE(ParseKeyLayerReport(kZonixLayer, keys, *block));
  keys.pop_back();
  keys[2] = 0;
  EXPECT_FALSE(ParseKeyLayerReport(kZonixLayer, keys, *block));
  EXPECT_FALSE(ParseCapsLockReport(Report{0x13, 0x06, 0x09, 0x39, 0x5B, 0x00}, *block));
  EXPECT_TRUE(test::SameBlock(*block, *before));
}

}  // namespace
}  // namespace brelfx
