// Region building for an 800 x 600 shape picture with a ragged edge: every
// row has its own outline, so each row yields a few runs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "option/skin/region_runs.h"

namespace brelfx {
namespace {

std::vector<uint32_t> RaggedShape(int width, int height) {
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xFFFFFF);
  for (int y = 0; y < height; ++y) {
    const int inset = 10 + (y * 7919) % 23;  // a jagged left and right edge
    for (int x = inset; x < width - inset; ++x) {
      // A few holes per row, as cut-outs around controls give.
      const bool hole = (x / 40) % 5 == 3 && (y / 30) % 3 == 1;
      if (!hole) pixels[static_cast<std::size_t>(y) * width + x] = 0x303030;
    }
  }
  return pixels;
}

void BM_RegionRuns800x600(benchmark::State& state) {
  const std::vector<uint32_t> pixels = RaggedShape(800, 600);
  const TransparencyKey key(0xFFFFFF, 0);
  for (auto _ : state) {
    auto runs = ComputeRegionRuns(PixelView{pixels.data(), 800, 600}, key);
    benchmark::DoNotOptimize(runs);
  }
}
BENCHMARK(BM_RegionRuns800x600)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brelfx

BENCHMARK_MAIN();
