// A plain 24-bit picture in memory and the few drawing operations the skins
// are made of. Colours are 0xRRGGBB.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace brelfx::painter {

using Color = uint32_t;

inline constexpr Color Rgb(int r, int g, int b) {
  return (static_cast<Color>(r & 255) << 16) | (static_cast<Color>(g & 255) << 8) |
         static_cast<Color>(b & 255);
}
inline int Red(Color c) {
  return (c >> 16) & 255;
}
inline int Green(Color c) {
  return (c >> 8) & 255;
}
inline int Blue(Color c) {
  return c & 255;
}

// `t` = 0 gives a, 1 gives b.
Color Mix(Color a, Color b, double t);

struct Box {
  int x = 0, y = 0, w = 0, h = 0;
  int Right() const { return x + w; }
  int Bottom() const { return y + h; }
  Box Inset(int by) const { return Box{x + by, y + by, w - 2 * by, h - 2 * by}; }
};

class Canvas {
 public:
  Canvas(int width, int height, Color fill);

  int width() const { return width_; }
  int height() const { return height_; }
  Color At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Color color);  // ignores points outside
  void Blend(int x, int y, Color color, double alpha);

  void Fill(const Box& box, Color color);
  void VerticalGradient(const Box& box, Color top, Color bottom);
  void HorizontalLine(int x0, int x1, int y, Color color);
  void VerticalLine(int x, int y0, int y1, Color color);
  void Frame(const Box& box, Color color);
  // A box with its corners cut at 45 degrees by `cut` pixels.
  void FillChamfered(const Box& box, int cut, Color top, Color bottom);
  void FrameChamfered(const Box& box, int cut, Color color);
  void FillCircle(double cx, double cy, double radius, Color color);
  void RingCircle(double cx, double cy, double radius, double thickness, Color color);
  // A solid triangle pointing down (or up) centred on (cx, cy).
  void Triangle(int cx, int cy, int halfWidth, bool down, Color color);
  void FillWhere(const std::function<bool(int, int)>& inside, Color color);

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

bool InChamfered(const Box& box, int cut, int x, int y);

}  // namespace brelfx::painter
