// Which key code a key recorded into a macro gets. The recorder's table has
// 109 rows: the 65 keys that type something (usages 4-69) go by the scan
// code of the key, so the physical key is recorded whatever the layout
// prints on it; navigation, keypad and modifier keys by their fixed virtual
// key; the mouse pseudo keys 240-244 stand for themselves.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/keyboard_layout.h"

namespace brelfx {

inline constexpr std::uint8_t kMouseLeft = 0xF0;
inline constexpr std::uint8_t kMouseRight = 0xF1;
inline constexpr std::uint8_t kMouseWheel = 0xF2;
inline constexpr std::uint8_t kLastMouseCode = 0xF4;

// Nothing for a virtual key the recorder has no row for. `scan` is the scan
// code the key came with (0 when unknown: the layout's is used).
std::optional<std::uint8_t> MacroKeyCodeOfKey(unsigned vk, unsigned scan,
                                              const KeyboardLayout& layout);

bool IsMouseCode(std::uint8_t code);

}  // namespace brelfx
