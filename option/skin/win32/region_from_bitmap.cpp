#include "option/skin/win32/region_from_bitmap.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "option/skin/region_runs.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_image.h"

namespace brelfx {
namespace {

// One ExtCreateRegion call over a batch of runs.
UniqueRegion RegionFromRuns(std::span<const SkinRect> runs, const SIZE& bounds) {
  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(runs.size());
  data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
  data->rdh.rcBound = RECT{0, 0, bounds.cx, bounds.cy};
  static_assert(sizeof(SkinRect) == sizeof(RECT));
  std::memcpy(data->Buffer, runs.data(), runs.size() * sizeof(RECT));
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

}  // namespace

UniqueRegion RegionFromBitmap(HBITMAP bitmap, COLORREF key, int tolerance) {
  const SIZE size = BitmapSize(bitmap);
  if (size.cx <= 0 || size.cy <= 0) return {};
  UniqueMemoryDc target(CreateCompatibleDC(nullptr));
  UniqueMemoryDc source(CreateCompatibleDC(nullptr));
  if (!target || !source) return {};

  void* bits = nullptr;
  UniqueBitmap copy = CreateDib32(size.cx, size.cy, &bits);
  if (!copy || !bits) return {};
  {
    SelectGuard selectCopy(target.get(), copy.get());
    SelectGuard selectSource(source.get(), bitmap);
    BitBlt(target.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();

  const std::vector<SkinRect> runs =
      ComputeRegionRuns(PixelView{static_cast<const uint32_t*>(bits), size.cx, size.cy},
                        TransparencyKey(key, tolerance));
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (!region) return {};
  const std::span<const SkinRect> all(runs);
  for (std::size_t first = 0; first < all.size(); first += kRegionBatchRects) {
    const std::size_t count = std::min(kRegionBatchRects, all.size() - first);
    UniqueRegion batch = RegionFromRuns(all.subspan(first, count), size);
    if (!batch) return {};
    CombineRgn(region.get(), region.get(), batch.get(), RGN_OR);
  }
  return region;
}

void ShapeWindow(HWND window, HBITMAP shape) {
  UniqueRegion region = RegionFromBitmap(shape, RGB(255, 255, 255), 0);
  // An all-white shape would make the window vanish; keep the rectangle.
  RECT box;
  if (!region || GetRgnBox(region.get(), &box) == NULLREGION) return;
  // On success the window owns the region.
  if (SetWindowRgn(window, region.get(), TRUE)) region.release();
}

}  // namespace brelfx
