// The colour a profile slot lights the keyboard in, as its swatch under the
// slot buttons shows it. Colours are COLORREF values: red in the low byte.
#pragma once

#include <array>
#include <cstdint>

#include "settings/settings_block.h"

namespace brelfx {

using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return red | (green << 8) | (static_cast<ColorRef>(blue) << 16);
}

// The sixteen single colours the keyboard offers, by palette index.
constexpr std::array<ColorRef, 16> kLightingPalette = {
    0xFE9005, 0xFF7100, 0xFF0000, 0xE6185C, 0xE61881, 0xE618C5, 0x7C04F8, 0x0000FF,
    0x0079F7, 0x00DCE7, 0x08F2C2, 0x00FF00, 0x2AA618, 0x96EC13, 0xD9E20D, 0xF4BE00};

// Black while the lighting is off; else the custom colour in custom mode;
// else the palette entry of the stored index, or the stored single colour
// when the index names none.
ColorRef SlotSwatchColor(const ProfileRecord& profile);

}  // namespace brelfx
