#include "tools/skin-painter/files/animated_gif.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace brelfx::painter {
namespace {

namespace fs = std::filesystem;

// Every frame's pixels as ImageMagick decodes them: a reader that shares
// nothing with our encoder.
std::vector<std::vector<Color>> DecodeWithImageMagick(const fs::path& gif) {
  std::vector<std::vector<Color>> frames;
  const std::string command = "convert '" + gif.string() + "' -coalesce -depth 8 txt:- 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return frames;
  char line[256];
  while (std::fgets(line, sizeof line, pipe)) {
    if (line[0] == '#') {
      frames.emplace_back();
      continue;
    }
    int x = 0, y = 0, r = 0, g = 0, b = 0;
    if (!frames.empty() && std::sscanf(line, "%d,%d: (%d,%d,%d", &x, &y, &r, &g, &b) == 5)
      frames.back().push_back(Rgb(r, g, b));
  }
  pclose(pipe);
  return frames;
}

TEST(AnimatedGif, ImageMagickReadsBackEveryFramePixelForPixel) {
  // Random pixels of 200 colours make the LZW table fill and restart many
  // times; a flat frame gives the longest runs. With no more than 256
  // colours the palette is exact, so every pixel must come back unchanged.
  std::mt19937 random(7);
  std::vector<Color> colors;
  for (int i = 0; i < 200; ++i) colors.push_back(random() & 0xFFFFFF);
  Canvas noise(160, 120, 0), flat(160, 120, colors[3]);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x) noise.Set(x, y, colors[random() % colors.size()]);
  const fs::path gif = fs::temp_directory_path() / ("lzw-" + std::to_string(random()) + ".gif");
  std::string error;
  ASSERT_TRUE(WriteAnimatedGif({noise, flat, noise}, {5, 5, 5}, gif.string(), error)) << error;
  const std::vector<std::vector<Color>> decoded = DecodeWithImageMagick(gif);
  fs::remove(gif);
  ASSERT_EQ(decoded.size(), 3u);
  for (std::size_t f = 0; f < 3; ++f) {
    const Canvas& expected = f == 1 ? flat : noise;
    ASSERT_EQ(decoded[f].size(), 160u * 120u);
    int wrong = 0;
    for (int i = 0; i < 160 * 120; ++i) wrong += decoded[f][i] != expected.At(i % 160, i / 160);
    EXPECT_EQ(wrong, 0) << "frame " << f;
  }
}

TEST(AnimatedGif, ManyColoursShareOnePaletteCloseToTheOriginal) {
  // A smooth gradient over 600 colours: each pixel maps to a near colour.
  Canvas ramp(600, 4, 0);
  for (int x = 0; x < 600; ++x)
    for (int y = 0; y < 4; ++y) ramp.Set(x, y, Rgb(x * 255 / 599, 40 + y, 255 - x * 255 / 599));
  const fs::path gif = fs::temp_directory_path() / "ramp-test.gif";
  std::string error;
  ASSERT_TRUE(WriteAnimatedGif({ramp}, {10}, gif.string(), error)) << error;
  const std::vector<std::vector<Color>> decoded = DecodeWithImageMagick(gif);
  fs::remove(gif);
  ASSERT_EQ(decoded.size(), 1u);
  ASSERT_EQ(decoded[0].size(), 2400u);
  int worst = 0;
  for (int i = 0; i < 2400; ++i) {
    const Color a = decoded[0][i], b = ramp.At(i % 600, i / 600);
    worst = std::max({worst, std::abs(Red(a) - Red(b)), std::abs(Green(a) - Green(b)),
                      std::abs(Blue(a) - Blue(b))});
  }
  EXPECT_LE(worst, 3);
  EXPECT_FALSE(WriteAnimatedGif({ramp, Canvas(5, 5, 0)}, {1, 1}, gif.string(), error));
  EXPECT_NE(error.find("differ in size"), std::string::npos);
}

}  // namespace
}  // namespace brelfx::painter
