#include <gtest/gtest.h>

#include "platform/keyboard_layout.h"

namespace brelfx {
namespace {

const KeyboardLayout& us = UsKeyboardLayout();

TEST(UsKeyboardLayout, ScanCodesAndVirtualKeysMapBothWays) {
  EXPECT_EQ(us.ScanToVk(0x1E), unsigned{'A'});
  EXPECT_EQ(us.ScanToVk(0x0B), unsigned{'0'});
  EXPECT_EQ(us.ScanToVk(0x2A), 0xA0u);  // sided modifiers
  EXPECT_EQ(us.ScanToVk(0x36), 0xA1u);
  EXPECT_EQ(us.ScanToVk(0x1D), 0xA2u);
  EXPECT_EQ(us.ScanToVk(0x38), 0xA4u);
  EXPECT_EQ(us.ScanToVk(0x35), 0xBFu);  // "/", not keypad divide
  EXPECT_EQ(us.ScanToVk(0x47), 0x24u);  // keypad 7 position without Num Lock: Home
  EXPECT_EQ(us.ScanToVk(0x58), 0x7Bu);
  EXPECT_EQ(us.ScanToVk(0x00), 0u);
  EXPECT_EQ(us.ScanToVk(0x1000), 0u);

  EXPECT_EQ(us.VkToScan('A'), 0x1Eu);
  EXPECT_EQ(us.VkToScan(0x10), 0x2Au);  // Shift
  EXPECT_EQ(us.VkToScan(0x11), 0x1Du);
  EXPECT_EQ(us.VkToScan(0x12), 0x38u);
  EXPECT_EQ(us.VkToScan(0x67), 0x47u);  // keypad 7
  EXPECT_EQ(us.VkToScan(0x24), 0x47u);  // Home
  EXPECT_EQ(us.VkToScan(0xA3), 0x1Du);
  EXPECT_EQ(us.VkToScan(0x6C), 0u);  // VK_SEPARATOR has no key
  for (unsigned scan = 1; scan <= 0x58; ++scan) {
    const unsigned vk = us.ScanToVk(scan);
    if (vk != 0 && vk != 0x0C) {
      EXPECT_EQ(us.VkToScan(vk), scan) << scan;
    }
  }
}

TEST(UsKeyboardLayout, CharactersOfKeys) {
  EXPECT_EQ(us.VkToChar('Q'), unsigned{'Q'});
  EXPECT_EQ(us.VkToChar('7'), unsigned{'7'});
  EXPECT_EQ(us.VkToChar(0xDE), unsigned{'\''});
  EXPECT_EQ(us.VkToChar(0xDC), unsigned{'\\'});
  EXPECT_EQ(us.VkToChar(0x6B), unsigned{'+'});
  EXPECT_EQ(us.VkToChar(0x20), unsigned{' '});
  EXPECT_EQ(us.VkToChar(0x70), 0u);
  EXPECT_EQ(us.VkToChar(0x10), 0u);
}

}  // namespace
}  // namespace brelfx
