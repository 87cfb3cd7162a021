#include "option/skin/region_runs.h"

#include <gtest/gtest.h>

#include <vector>

namespace brelfx {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kInk = 0x202020;

std::vector<SkinRect> Runs(const std::vector<uint32_t>& pixels, int width, uint32_t key = kWhite,
                           int tolerance = 0) {
  return ComputeRegionRuns(
      PixelView{pixels.data(), width, static_cast<int32_t>(pixels.size() / width)},
      TransparencyKey(key, tolerance));
}

TEST(RegionRuns, OneRectanglePerMaximalRunInEachRow) {
  const uint32_t W = kWhite, I = kInk;
  const std::vector<uint32_t> pixels = {
      W, I, I, W, I,  //
      W, W, W, W, W,  //
      I, I, I, I, I,  //
  };
  EXPECT_EQ(Runs(pixels, 5), (std::vector<SkinRect>{{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 2, 5, 3}}));
}

TEST(RegionRuns, PictureWithoutWhiteKeepsTheWholeRectanglePerRow) {
  const std::vector<uint32_t> pixels(4 * 3, kInk);
  EXPECT_EQ(Runs(pixels, 4), (std::vector<SkinRect>{{0, 0, 4, 1}, {0, 1, 4, 2}, {0, 2, 4, 3}}));
}

TEST(RegionRuns, AllTransparentPictureGivesNoRuns) {
  EXPECT_TRUE(Runs(std::vector<uint32_t>(30, kWhite), 6).empty());
  EXPECT_TRUE(ComputeRegionRuns(PixelView{}, TransparencyKey(kWhite, 0)).empty());
}

TEST(RegionRuns, OnlyPureWhiteIsTransparentAtToleranceZero) {
  const std::vector<uint32_t> pixels = {0xFFFFFE, 0xFEFFFF, kWhite, 0xFF000000 | kWhite};
  // The unused top byte of a DIB pixel does not matter.
  EXPECT_EQ(Runs(pixels, 4), (std::vector<SkinRect>{{0, 0, 2, 1}}));
}

TEST(RegionRuns, ToleranceReachesUpFromEachKeyByteAndStopsAt255) {
  // Key magenta as a COLORREF (0x00BBGGRR); pixels are 0x00RRGGBB.
  const uint32_t key = 0xF000F0;  // red F0, green 00, blue F0
  const std::vector<uint32_t> pixels = {
      0xF000F0,  // the key itself
      0xFF0FFF,  // each byte within +15 (red and blue capped at 255)
      0xFF10FF,  // green 0x10 is one past the tolerance
      0xEF00F0,  // red below the key
  };
  EXPECT_EQ(Runs(pixels, 4, key, 15), (std::vector<SkinRect>{{2, 0, 4, 1}}));
  EXPECT_EQ(Runs(pixels, 4, key, 1000), (std::vector<SkinRect>{{3, 0, 4, 1}}));
}

TEST(RegionRuns, KeyBytesAreSwappedBetweenColorRefAndPixel) {
  // Pure red as a COLORREF is 0x0000FF; as a pixel it is 0xFF0000.
  const std::vector<uint32_t> pixels = {0xFF0000, 0x0000FF};
  EXPECT_EQ(Runs(pixels, 2, 0x0000FF), (std::vector<SkinRect>{{1, 0, 2, 1}}));
}

}  // namespace
}  // namespace brelfx
