// The colour chip drawn on a swatch button: a 16 x 16 square at (3,3) whose
// four corner pixels are cut away, as the union of two rectangles.
#pragma once

#include <array>

#include "option/skin/skin_rect.h"

namespace brelfx {

inline constexpr std::array<SkinRect, 2> kSwatchChipRects = {
    SkinRect{3, 4, 19, 18},
    SkinRect{4, 3, 18, 19},
};

inline bool IsInSwatchChip(int x, int y) {
  return kSwatchChipRects[0].Contains(x, y) || kSwatchChipRects[1].Contains(x, y);
}

}  // namespace brelfx
