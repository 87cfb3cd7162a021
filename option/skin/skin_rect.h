// A rectangle in window pixels: left/top inclusive, right/bottom exclusive,
// laid out like a Win32 RECT so it can be copied into one.
#pragma once

#include <cstdint>

namespace brelfx {

struct SkinRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool Contains(int32_t x, int32_t y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  friend bool operator==(const SkinRect&, const SkinRect&) = default;
};
static_assert(sizeof(SkinRect) == 16);

}  // namespace brelfx
