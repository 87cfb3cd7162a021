// The place and size a window is created with, from a layout rectangle.
#pragma once

#include <cstdint>

#include "option/skin/skin_rect.h"

namespace brelfx {

struct WindowBounds {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;   // never negative
  int32_t height = 0;  // never negative
};

// An inverted rectangle gives an empty window; sizes saturate (SkinRect).
WindowBounds WindowBoundsOf(const SkinRect& rect);

}  // namespace brelfx
