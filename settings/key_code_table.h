// The keyboard's key codes (HID usages) as Windows keys. Letters, digits,
// punctuation and F1-F12 (usages 0x04-0x45) carry the PC/AT scan code of the
// key, so the active layout decides which virtual key and character they are;
// the other keys have a fixed virtual key.
#pragma once

#include <cstdint>

#include "platform/keyboard_layout.h"

namespace brelfx {

// Scan-code-set-1 make code of a usage in 0x04-0x45; 0 when it has no row
// (0x32, and every usage outside that range).
std::uint8_t ScanCodeOfUsage(unsigned usage);

// Fixed virtual key of a usage outside 0x04-0x45 (navigation, keypad,
// modifiers); 0 when it has none.
std::uint8_t FixedVkOfUsage(unsigned usage);

// Virtual key of a usage: the layout's key at the usage's scan code for
// 0x04-0x45 (left/right modifiers told apart), the fixed key otherwise; 0 when
// the usage has no row.
unsigned VkOfUsage(unsigned usage, const KeyboardLayout& layout);

// The reverse ways, for keys the user presses: the usage whose row carries
// this scan code (0x04-0x45), or this fixed virtual key; 0 when none does.
std::uint8_t UsageOfScanCode(unsigned scan);
std::uint8_t UsageOfFixedVk(unsigned vk);

}  // namespace brelfx
