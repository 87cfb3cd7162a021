#include "device/macro_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "device/report_ids.h"
#include "device/tests/report_test_blocks.h"
#include "settings/text_field.h"
#include "tests/support/test_data.h"

namespace brelfx {
namespace {

using test::DefaultBlock;
using test::ReadHexFile;

// Profile 2, key 5: the macro of the golden 500-action report.
void FillFullMacro(KeyAssignment& entry) {
  entry.FunctionCode = kFnMacro;
  entry.RepeatCount = 3;
  SetTextField(entry.MacroSetName, "Shooters");
  SetTextField(entry.MacroName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
  entry.ActionCount = kMaxActions;
  for (int i = 0; i < kMaxActions; ++i) {
    entry.Actions[i] = {static_cast<std::uint8_t>(i & 0xFF), static_cast<std::uint8_t>(1 + i % 2),
                        static_cast<std::uint16_t>(i * 7)};
  }
}

TEST(MacroReport, FiveHundredActionsFillTheWholeActionArea) {
  auto block = DefaultBlock();
  FillFullMacro(block->Profiles[2].MacroKeyInfo[5]);
  const Report report = BuildMacroReport(block->Profiles[2], 2, 5);
  EXPECT_EQ(report, ReadHexFile("device/macro_500_actions.hex"));

  auto read = DefaultBlock();
  ASSERT_TRUE(ParseMacroReport(report, *read));
  const KeyAssignment& entry = read->Profiles[2].MacroKeyInfo[5];
  EXPECT_EQ(TextField(entry.MacroName), "ABCDEFGHIJKLMNOPQRSTUVWX");  // 24 characters travel
  EXPECT_EQ(TextField(entry.MacroSetName), "Shooters");
  EXPECT_EQ(entry.RepeatCount, 3);
  EXPECT_EQ(entry.ActionCount, kMaxActions);
  EXPECT_EQ(std::memcmp(entry.Actions, block->Profiles[2].MacroKeyInfo[5].Actions,
                        sizeof(entry.Actions)),
            0);
  EXPECT_EQ(BuildMacroReport(read->Profiles[2], 2, 5), report);
}

TEST(MacroReport, ReadNamesLoseTheirTrailingBlanksAndOldActionsAreCleared) {
  auto block = DefaultBlock();
  KeyAssignment& entry = block->Profiles[0].MacroKeyInfo[33];
  FillFullMacro(entry);
  SetTextField(entry.Name1, "An older and much longer first name field");
  ASSERT_TRUE(ParseMacroReport(ReadHexFile("device/macro_no_actions_read.hex"), *block));
  EXPECT_EQ(entry.KeyIndex, 33);
  EXPECT_EQ(entry.FunctionCode, kFnMacro);
  EXPECT_EQ(entry.RepeatCount, 1);
  EXPECT_EQ(TextField(entry.Name1), "Recorded macro ready");
  EXPECT_EQ(TextField(entry.MacroSetName), "Twenty-one characters");
  EXPECT_EQ(TextField(entry.MacroName), "Blanks");
  EXPECT_EQ(entry.ActionCount, 0);
  EXPECT_TRUE(std::all_of(std::begin(entry.Actions), std::end(entry.Actions),
                          [](const MacroEvent& e) { return e.Code == 0 && e.Type == 0 && e.Delay == 0; }));

  // Sent again, no action travels and the whole action area is zero.
  const Report report = BuildMacroReport(block->Profiles[0], 0, 33);
  EXPECT_EQ(ReadUint16(report, kMacroActionCountOffset), 0);
  EXPECT_TRUE(std::all_of(report.begin() + kMacroActionsOffset, report.end() - 2,
                          [](std::uint8_t b) { return b == 0; }));
  EXPECT_TRUE(ChecksumMatches(report));
}

TEST(MacroReport, ReportsThatWouldOverrunTheEntryAreNotStored) {
  auto block = DefaultBlock();
  FillFullMacro(block->Profiles[2].MacroKeyInfo[5]);
  const Report good = BuildMacroReport(block->Profiles[2], 2, 5);
  const auto before = DefaultBlock();
  FillFullMacro(before->Profiles[2].MacroKeyInfo[5]);

  Report tooMany = good;
  WriteUint16(tooMany, kMacroActionCountOffset, kMaxActions + 1);
  EXPECT_FALSE(ParseMacroReport(tooMany, *block));
  WriteUint16(tooMany, kMacroActionCountOffset, 0xFFFF);
  EXPECT_FALSE(ParseMacroReport(tooMany, *block));
  Report noSlot = good;
  noSlot[kMacroProfileOffset] = 5;
  EXPECT_FALSE(ParseMacroReport(noSlot, *block));
  Report noKey = good;
  noKey[kMacroKeyOffset] = kKeyCount;
  EXPECT_FALSE(ParseMacroReport(noKey, *block));
  EXPECT_FALSE(ParseMacroReport(std::span(good).first(100), *block));
  EXPECT_TRUE(test::SameBlock(*block, *before));
}

TEST(MacroReport, AnEntryClaimingMoreThan500ActionsSendsOnlyThe500ItHolds) {
  auto block = DefaultBlock();
  KeyAssignment& entry = block->Profiles[1].MacroKeyInfo[0];
  FillFullMacro(entry);
  entry.ActionCount = 2000;
  entry.TimerLength = 0x7F7F7F7F;  // lies right after the actions
  const Report report = BuildMacroReport(block->Profiles[1], 1, 0);
  ASSERT_EQ(static_cast<int>(report.size()), kMacroReport.length);
  EXPECT_EQ(ReadUint16(report, kMacroActionCountOffset), kMaxActions);
  EXPECT_TRUE(ChecksumMatches(report));
}

}  // namespace
}  // namespace brelfx
