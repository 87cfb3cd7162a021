// Writing pictures in the formats the resource compiler takes: 24-bit BMP
// for bitmaps, and 32-bit ICO/CUR for icons and cursors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

std::vector<uint8_t> EncodeBmp(const Canvas& canvas);

// An icon or cursor of one image. Pixels equal to `transparent` are left out
// through the mask; a cursor carries its hot spot.
std::vector<uint8_t> EncodeIcon(const Canvas& canvas, Color transparent);
std::vector<uint8_t> EncodeCursor(const Canvas& canvas, Color transparent, int hotX, int hotY);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace brelfx::painter
