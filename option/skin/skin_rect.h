// A rectangle in window pixels: left/top inclusive, right/bottom exclusive,
// laid out like a Win32 RECT so it can be copied into one.
#pragma once

#include <algorithm>
#include <cstdint>

namespace brelfx {

// a + b or a - b held to the 32-bit range: layout strings are literals, but
// an absurd one must give a huge rectangle, not undefined behaviour.
inline int32_t SaturatedInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

struct SkinRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return SaturatedInt32(int64_t{right} - left); }
  int32_t Height() const { return SaturatedInt32(int64_t{bottom} - top); }
  bool Contains(int32_t x, int32_t y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  friend bool operator==(const SkinRect&, const SkinRect&) = default;
};
static_assert(sizeof(SkinRect) == 16);

}  // namespace brelfx
