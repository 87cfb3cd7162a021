#include "tools/skin-painter/toolkit_art.h"

#include <algorithm>
#include <cmath>

#include "tools/skin-painter/files/image_files.h"
#include "tools/skin-painter/palette.h"

namespace brelfx::painter {
namespace {

constexpr Color kKey = Rgb(255, 0, 255);  // transparent in cursors, icons, thumbs and the marker

// A pointing hand; '#' outline, '.' fill. Hot spot at the fingertip (5, 0).
constexpr const char* kHand[] = {
    "    ##          ", "   #..#         ", "   #..#         ", "   #..#         ",
    "   #..###       ", "   #..#..###    ", "   #..#..#..##  ", "## #..#..#..#.# ",
    "#..#........#..#", "#...#..........#", " #.............#", "  #............#",
    "  #...........# ", "   #..........# ", "   #.........#  ", "    #........#  ",
    "    ##########  ",
};

Canvas HandCursor() {
  Canvas c(32, 32, kKey);
  for (int y = 0; y < static_cast<int>(std::size(kHand)); ++y)
    for (int x = 0; kHand[y][x]; ++x) {
      if (kHand[y][x] == '#') c.Set(x + 1, y, kBlack);
      if (kHand[y][x] == '.') c.Set(x + 1, y, kWhite);
    }
  return c;
}

Canvas SubmenuArrow() {
  Canvas c(16, 16, kKey);
  for (int i = 0; i < 5; ++i)
    c.VerticalLine(6 + i, 3 + i, 12 - i, i == 0 ? kAccent : kAccentBright);
  return c;
}

// A shield-shaped thumb pointing down, on the key colour. Its top corners
// are rounded off so the top-left pixel (the shape key) stays the key colour.
Canvas SliderThumb(int width, int height) {
  Canvas c(width, height, kKey);
  const int tip = width / 2;
  const int body = height - tip;
  for (int y = 0; y < height; ++y) {
    const int inset = y == 0 ? 1 : y < body ? 0 : y - body + 1;
    const Color shade = Mix(kMetalShine, kMetalBottom, static_cast<double>(y) / height);
    for (int x = inset; x < width - inset; ++x) {
      const bool edge = x == inset || x == width - inset - 1 || y == 0;
      c.Set(x, y, edge ? kEdge : shade);
    }
  }
  c.VerticalLine(width / 2, 3, body - 2, kAccentBright);
  c.VerticalLine(width / 2 - 1, 3, body - 2, kAccent);
  return c;
}

// Hue across, from light at the top to dark at the bottom, framed in the
// skin's steel. The spectrum fills (6,6)-(169,21).
Canvas ColorSpectrum() {
  Canvas c(176, 28, kBlack);
  c.VerticalGradient(Box{0, 0, 176, 28}, kMetalTop, kBackBottom);
  c.Frame(Box{0, 0, 176, 28}, kEdge);
  c.Frame(Box{5, 5, 166, 18}, kBlack);
  for (int y = 6; y <= 21; ++y) {
    const double v = (y - 6) / 15.0;  // 0 top .. 1 bottom
    for (int x = 6; x <= 169; ++x) {
      const double hue = (x - 6) / 164.0 * 6.0;
      const int sector = static_cast<int>(hue) % 6;
      const double f = hue - std::floor(hue);
      const double rgb[6][3] = {{1, f, 0},     {1 - f, 1, 0}, {0, 1, f},
                                {0, 1 - f, 1}, {f, 0, 1},     {1, 0, 1 - f}};
      Color pure =
          Rgb(static_cast<int>(rgb[sector][0] * 255), static_cast<int>(rgb[sector][1] * 255),
              static_cast<int>(rgb[sector][2] * 255));
      // Top rows lighten towards white (never reaching it), bottom rows darken.
      const Color shaded =
          v < 0.5 ? Mix(Mix(pure, kWhite, 0.6), pure, v * 2) : Mix(pure, kBlack, (v - 0.5) * 1.4);
      c.Set(x, y, shaded);
    }
  }
  return c;
}

Canvas ColorMarker() {
  Canvas c(13, 13, kKey);
  const auto ring = [&](double r, Color color) {
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x)
        if (std::abs(std::hypot(x - 6, y - 6) - r) < 0.75) c.Set(x, y, color);
  };
  ring(5.2, kBlack);
  ring(4.2, kWhite);
  ring(3.2, kBlack);
  return c;
}

}  // namespace

bool WriteToolkitArt(const std::string& folder) {
  const std::string base = folder + "/";
  return WriteFile(base + "hand.cur", EncodeCursor(HandCursor(), kKey, 6, 0)) &&
         WriteFile(base + "submenu_arrow.ico", EncodeIcon(SubmenuArrow(), kKey)) &&
         WriteFile(base + "slider_thumb.bmp", EncodeBmp(SliderThumb(12, 20))) &&
         WriteFile(base + "slider_thumb_small.bmp", EncodeBmp(SliderThumb(10, 18))) &&
         WriteFile(base + "color_spectrum.bmp", EncodeBmp(ColorSpectrum())) &&
         WriteFile(base + "color_marker.bmp", EncodeBmp(ColorMarker()));
}

}  // namespace brelfx::painter
