// The modifier byte a shortcut key stores beside its usage: bit 1 Shift,
// bit 2 Ctrl, bit 3 Alt, bit 4 Win; bit 0 alone when the shortcut is the key
// without modifiers ("None" ticked).
#pragma once

#include <cstdint>

#include "option/app/shortcut/shortcut_form.h"

namespace brelfx {

std::uint8_t ModifierBits(const ShortcutFlags& flags);
// The dialog's toggles for a stored byte; a key without any bit shows None.
ShortcutFlags FlagsFromModifierBits(std::uint8_t bits);

}  // namespace brelfx
