#include "option/app/macro_editor/macro_key_codes.h"

#include <gtest/gtest.h>

#include <map>

namespace brelfx {
namespace {

std::optional<std::uint8_t> CodeOf(unsigned vk, unsigned scan = 0) {
  return MacroKeyCodeOfKey(vk, scan, UsKeyboardLayout());
}

// The recorder's table as the manager's description gives it: letters,
// digits, the control and punctuation keys, F1-F12, navigation, keypad,
// application key, modifiers and the mouse pseudo keys: 109 rows.
TEST(MacroKeyCodes, TheTableHas109RowsWithTheUsagesOfTheirKeys) {
  std::map<unsigned, unsigned> expected;
  for (unsigned i = 0; i < 26; ++i) expected['A' + i] = 4 + i;
  for (unsigned i = 0; i < 9; ++i) expected['1' + i] = 30 + i;
  expected['0'] = 39;
  for (auto [vk, code] : std::map<unsigned, unsigned>{{0x0D, 40},
                                                      {0x1B, 41},
                                                      {0x08, 42},
                                                      {0x09, 43},
                                                      {0x20, 44},
                                                      {0xBD, 45},
                                                      {0xBB, 46},
                                                      {0xDB, 47},
                                                      {0xDD, 48},
                                                      {0xDC, 49},
                                                      {0xBA, 51},
                                                      {0xDE, 52},
                                                      {0xC0, 53},
                                                      {0xBC, 54},
                                                      {0xBE, 55},
                                                      {0xBF, 56},
                                                      {0x14, 57}})
    expected[vk] = code;
  for (unsigned i = 0; i < 12; ++i) expected[0x70 + i] = 58 + i;  // F1-F12
  const unsigned navigation[] = {0x2C, 0x91, 0x13, 0x2D, 0x24, 0x21, 0x2E,
                                 0x23, 0x22, 0x27, 0x25, 0x28, 0x26};
  for (unsigned i = 0; i < 13; ++i) expected[navigation[i]] = 70 + i;  // print screen - up
  const unsigned keypad[] = {0x90, 0x6F, 0x6A, 0x6D, 0x6B, 0x6C, 0x61, 0x62, 0x63,
                             0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x60, 0x6E};
  for (unsigned i = 0; i < 17; ++i) expected[keypad[i]] = 83 + i;  // VK_SEPARATOR 88
  expected[0x5D] = 101;
  const unsigned modifiers[] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
  for (unsigned i = 0; i < 8; ++i) expected[modifiers[i]] = 224 + i;
  for (unsigned code = 0xF0; code <= 0xF4; ++code) expected[code] = code;
  ASSERT_EQ(expected.size(), 109u);

  std::map<unsigned, unsigned> recordable;
  for (unsigned vk = 0; vk < 256; ++vk)
    if (const auto code = CodeOf(vk)) recordable[vk] = *code;
  EXPECT_EQ(recordable, expected);
}

TEST(MacroKeyCodes, KeysThatTypeGoByTheScanCodeOfThePhysicalKey) {
  // A layout that puts 'Q' where the US A is: the key records as A (usage 4).
  EXPECT_EQ(CodeOf('Q', 0x1E), 0x04);
  EXPECT_EQ(CodeOf('Q'), 0x14);
  // Fixed keys keep their usage whatever scan code comes with them.
  EXPECT_EQ(CodeOf(0x25, 0x4B), 0x50);
}

}  // namespace
}  // namespace brelfx
