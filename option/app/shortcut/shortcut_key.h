// Which keyboard usage a key the user presses stands for. Keys with a fixed
// virtual key (navigation, keypad, modifiers) go by that key; the keys that
// type something (usages 0x04-0x45) go by their scan code, so the place of
// the key decides, not the letter the layout prints on it: a French
// layout's A is the key of the US Q and becomes usage 0x14, which the
// keyboard sends as that same key.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/keyboard_layout.h"

namespace brelfx {

// Nothing for a key without a row in the key code table.
std::optional<std::uint8_t> UsageOfPressedKey(unsigned vk, unsigned scan,
                                              const KeyboardLayout& layout);

}  // namespace brelfx
