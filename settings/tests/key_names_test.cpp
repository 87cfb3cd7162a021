#include "settings/key_names.h"

#include <gtest/gtest.h>

#include "settings/key_code_table.h"

namespace brelfx {
namespace {

const KeyboardLayout& us = UsKeyboardLayout();

// A German-style layout: Y and Z swapped, and a key typing a lower-case ä.
class GermanishLayout final : public KeyboardLayout {
 public:
  unsigned VkToScan(unsigned vk) const override { return us.VkToScan(vk); }
  unsigned ScanToVk(unsigned scan) const override {
    if (scan == 0x15) return 'Z';
    if (scan == 0x2C) return 'Y';
    if (scan == 0x28) return 0xDE;
    return us.ScanToVk(scan);
  }
  unsigned VkToChar(unsigned vk) const override { return vk == 0xDE ? 0xE4 : us.VkToChar(vk); }
};

TEST(KeyCodeTable, UsagesCarryScanCodesOrFixedKeys) {
  EXPECT_EQ(ScanCodeOfUsage(0x04), 0x1E);  // A
  EXPECT_EQ(ScanCodeOfUsage(0x1D), 0x2C);  // Z
  EXPECT_EQ(ScanCodeOfUsage(0x27), 0x0B);  // 0
  EXPECT_EQ(ScanCodeOfUsage(0x31), 0x2B);  // backslash
  EXPECT_EQ(ScanCodeOfUsage(0x32), 0);     // non-US #: no row
  EXPECT_EQ(ScanCodeOfUsage(0x39), 0x3A);  // Caps Lock
  EXPECT_EQ(ScanCodeOfUsage(0x44), 0x57);  // F11
  EXPECT_EQ(ScanCodeOfUsage(0x45), 0x58);  // F12
  EXPECT_EQ(ScanCodeOfUsage(0x46), 0);

  EXPECT_EQ(FixedVkOfUsage(0x58), 0x6C);  // keypad Enter is VK_SEPARATOR
  EXPECT_EQ(FixedVkOfUsage(0xE1), 0xA0);
  EXPECT_EQ(FixedVkOfUsage(0xE7), 0x5C);
  EXPECT_EQ(FixedVkOfUsage(0x62), 0x60);
  EXPECT_EQ(FixedVkOfUsage(0x64), 0);  // Europe 2: no row
  EXPECT_EQ(FixedVkOfUsage(0x04), 0);

  EXPECT_EQ(VkOfUsage(0x04, us), 'A');
  EXPECT_EQ(VkOfUsage(0x2D, us), 0xBDu);  // - is VK_OEM_MINUS
  EXPECT_EQ(VkOfUsage(0x2A, us), 0x08u);
  EXPECT_EQ(VkOfUsage(0x45, us), 0x7Bu);
  EXPECT_EQ(VkOfUsage(0x32, us), 0u);
  EXPECT_EQ(VkOfUsage(0x4F, us), 0x27u);
  EXPECT_EQ(VkOfUsage(0xF0, us), 0u);
}

TEST(KeyNames, UsageNamesUnderTheUsLayout) {
  const std::pair<unsigned, const char*> cases[] = {
      {0x04, "A"},           {0x1E, "1"},         {0x27, "0"},           {0x28, "Enter"},
      {0x29, "Esc"},         {0x2A, "BackSpace"}, {0x2C, "Space"},       {0x2D, "-"},
      {0x31, "\\"},          {0x38, "/"},         {0x39, "Caps Lock"},   {0x3A, "F1"},
      {0x45, "F12"},         {0x46, "Print Screen"}, {0x48, "Break"},    {0x59, "Num_1"},
      {0x61, "Num_9"},       {0x62, "Num_0"},     {0x64, "Europe 2"},    {0x65, "APP"},
      {0x82, "Sleep"},       {0xE0, "Left Control"}, {0xE7, "Right GUI"}, {0xF0, "Left Button"},
      {0xF4, "Side Button 2"}, {0x32, ""},        {0x66, ""},            {0x00, ""},
  };
  for (const auto& [usage, name] : cases) EXPECT_EQ(KeyNameOfUsage(usage, us), name) << usage;
}

TEST(KeyNames, VirtualKeyNamesAndLayoutCharacters) {
  EXPECT_EQ(KeyNameOfVk(0x60, us), "Num0");
  EXPECT_EQ(KeyNameOfVk(0x69, us), "Num9");
  EXPECT_EQ(KeyNameOfVk(0x70, us), "F1");
  EXPECT_EQ(KeyNameOfVk(0x7B, us), "F12");
  EXPECT_EQ(KeyNameOfVk(0x5B, us), "Left Windows Button");
  EXPECT_EQ(KeyNameOfVk(0xA5, us), "Right Alt");
  EXPECT_EQ(KeyNameOfVk('Q', us), "Q");
  EXPECT_EQ(KeyNameOfVk(0xBA, us), ";");
  EXPECT_EQ(KeyNameOfVk(0xC0, us), "`");
  EXPECT_EQ(KeyNameOfVk(0, us), "");
  EXPECT_EQ(KeyNameOfVk(0xE8, us), "");
}

TEST(KeyNames, LettersFollowTheUsersLayout) {
  const GermanishLayout german;
  EXPECT_EQ(KeyNameOfUsage(0x1C, german), "Z");  // the key labelled Y on a US board
  EXPECT_EQ(KeyNameOfUsage(0x1D, german), "Y");
  EXPECT_EQ(KeyNameOfUsage(0x34, german), "\xC4");  // ä is upper-cased to Ä
  EXPECT_EQ(KeyNameOfUsage(0x04, german), "A");
}

}  // namespace
}  // namespace brelfx
