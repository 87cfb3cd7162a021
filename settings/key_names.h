// Names of keys as the option application shows them: fixed names for
// control, navigation and keypad keys, and the layout's character for keys
// that type one, so letters, digits and punctuation follow the user's layout.
#pragma once

#include <string>

#include "platform/keyboard_layout.h"

namespace brelfx {

// Name of a Windows virtual-key code; keys without a fixed name are the
// (upper-cased) character the layout gives them, empty when there is none.
std::string KeyNameOfVk(unsigned vk, const KeyboardLayout& layout);

// Name of a keyboard HID usage (or mouse-button code 0xF0-0xF4): usages 4-57
// through their virtual key under the layout, the others fixed names; empty
// for an unknown usage.
std::string KeyNameOfUsage(unsigned usage, const KeyboardLayout& layout);

}  // namespace brelfx
