#include "option/skin/region_runs.h"

#include <algorithm>

namespace brelfx {

TransparencyKey::TransparencyKey(uint32_t keyColorRef, int tolerance) {
  const int reach = std::clamp(tolerance, 0, 255);
  // COLORREF keeps red lowest; a pixel keeps blue lowest.
  const uint8_t keyBytes[3] = {static_cast<uint8_t>(keyColorRef >> 16),
                               static_cast<uint8_t>(keyColorRef >> 8),
                               static_cast<uint8_t>(keyColorRef)};
  for (int i = 0; i < 3; ++i) {
    low_[i] = keyBytes[i];
    high_[i] = static_cast<uint8_t>(std::min(keyBytes[i] + reach, 255));
  }
}

bool TransparencyKey::IsTransparent(uint32_t pixel) const {
  for (int i = 0; i < 3; ++i) {
    const uint8_t b = static_cast<uint8_t>(pixel >> (8 * i));
    if (b < low_[i] || b > high_[i]) return false;
  }
  return true;
}

std::vector<SkinRect> ComputeRegionRuns(const PixelView& picture, const TransparencyKey& key) {
  std::vector<SkinRect> runs;
  if (!picture.pixels || picture.width <= 0 || picture.height <= 0) return runs;
  for (int32_t y = 0; y < picture.height; ++y) {
    const uint32_t* row = picture.pixels + static_cast<std::size_t>(y) * picture.width;
    int32_t x = 0;
    while (x < picture.width) {
      while (x < picture.width && key.IsTransparent(row[x])) ++x;
      if (x == picture.width) break;
      const int32_t start = x;
      while (x < picture.width && !key.IsTransparent(row[x])) ++x;
      runs.push_back(SkinRect{start, y, x, y + 1});
    }
  }
  return runs;
}

}  // namespace brelfx
