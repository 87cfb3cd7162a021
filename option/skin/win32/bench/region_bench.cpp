// Times RegionFromBitmap (DIB copy, run scan, ExtCreateRegion batches, RGN_OR)
// on an 800 x 600 shape with a ragged edge. Run it under Wine or Windows:
//   region-bench.exe [calls]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/region_from_bitmap.h"

int main(int argc, char** argv) {
  using namespace brelfx;
  const int calls = argc > 1 ? std::atoi(argv[1]) : 50;
  constexpr int kWidth = 800, kHeight = 600;
  void* bits = nullptr;
  UniqueBitmap shape = CreateDib32(kWidth, kHeight, &bits);
  if (!shape) return 1;
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < kHeight; ++y) {
    const int inset = 10 + (y * 7919) % 23;  // a jagged left and right edge
    for (int x = 0; x < kWidth; ++x) {
      const bool hole = (x / 40) % 5 == 3 && (y / 30) % 3 == 1;
      pixels[y * kWidth + x] = (x < inset || x >= kWidth - inset || hole) ? 0xFFFFFF : 0x303030;
    }
  }
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < calls; ++i) {
    UniqueRegion region = RegionFromBitmap(shape.get(), RGB(255, 255, 255), 0);
    if (!region) return 1;
  }
  QueryPerformanceCounter(&end);
  const double ms =
      1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / calls;
  std::printf("RegionFromBitmap 800x600 ragged: %.3f ms per call (%d calls)\n", ms, calls);
  return 0;
}
