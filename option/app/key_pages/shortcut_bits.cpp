#include "option/app/key_pages/shortcut_bits.h"

namespace brelfx {

std::uint8_t ModifierBits(const ShortcutFlags& flags) {
  if (flags.none) return 0x01;
  return static_cast<std::uint8_t>((flags.shift ? 0x02 : 0) | (flags.ctrl ? 0x04 : 0) |
                                   (flags.alt ? 0x08 : 0) | (flags.win ? 0x10 : 0));
}

ShortcutFlags FlagsFromModifierBits(std::uint8_t bits) {
  ShortcutFlags flags;
  flags.shift = (bits & 0x02) != 0;
  flags.ctrl = (bits & 0x04) != 0;
  flags.alt = (bits & 0x08) != 0;
  flags.win = (bits & 0x10) != 0;
  flags.none = (bits & 0x01) != 0 || !(flags.shift || flags.ctrl || flags.alt || flags.win);
  return flags;
}

}  // namespace brelfx
