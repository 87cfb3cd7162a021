// The rectangle runs that make a window region out of a shape picture: one
// one-pixel-high rectangle for every maximal run of non-transparent pixels in
// a row. The Win32 side turns them into regions in batches; keeping the scan
// here lets it run and be tested without GDI.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "option/skin/skin_rect.h"

namespace brelfx {

// ExtCreateRegion is given this many rectangles at a time; each batch becomes
// one region that is OR-ed into the result.
inline constexpr std::size_t kRegionBatchRects = 2000;

// A 32-bit top-down picture as a DIB section holds it: one uint32_t per pixel,
// 0x00RRGGBB (blue in the lowest byte), rows `width` pixels apart.
struct PixelView {
  const uint32_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
};

// A pixel is transparent when each of its colour bytes lies between the key's
// byte and that byte plus `tolerance` (the upper end capped at 255). `key` is
// a COLORREF (0x00BBGGRR); with key 0xFFFFFF and tolerance 0 exactly the pure
// white pixels are transparent.
class TransparencyKey {
 public:
  TransparencyKey(uint32_t keyColorRef, int tolerance);
  bool IsTransparent(uint32_t pixel) const;

 private:
  uint8_t low_[3];  // blue, green, red as laid out in a pixel
  uint8_t high_[3];
};

// Appends the runs of every row, top to bottom, left to right.
std::vector<SkinRect> ComputeRegionRuns(const PixelView& picture, const TransparencyKey& key);

}  // namespace brelfx
