#include "tools/skin-painter/canvas.h"

#include <algorithm>
#include <cmath>

namespace brelfx::painter {

Color Mix(Color a, Color b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return Rgb(channel(Red(a), Red(b)), channel(Green(a), Green(b)), channel(Blue(a), Blue(b)));
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

void Canvas::Set(int x, int y, Color color) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = color;
}

void Canvas::Blend(int x, int y, Color color, double alpha) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_)
    pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], color, alpha);
}

void Canvas::Fill(const Box& box, Color color) {
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x) Set(x, y, color);
}

void Canvas::VerticalGradient(const Box& box, Color top, Color bottom) {
  for (int y = box.y; y < box.Bottom(); ++y) {
    const double t = box.h > 1 ? static_cast<double>(y - box.y) / (box.h - 1) : 0.0;
    HorizontalLine(box.x, box.Right() - 1, y, Mix(top, bottom, t));
  }
}

void Canvas::HorizontalLine(int x0, int x1, int y, Color color) {
  for (int x = x0; x <= x1; ++x) Set(x, y, color);
}

void Canvas::VerticalLine(int x, int y0, int y1, Color color) {
  for (int y = y0; y <= y1; ++y) Set(x, y, color);
}

void Canvas::Frame(const Box& box, Color color) {
  if (box.w <= 0 || box.h <= 0) return;
  HorizontalLine(box.x, box.Right() - 1, box.y, color);
  HorizontalLine(box.x, box.Right() - 1, box.Bottom() - 1, color);
  VerticalLine(box.x, box.y, box.Bottom() - 1, color);
  VerticalLine(box.Right() - 1, box.y, box.Bottom() - 1, color);
}

bool InChamfered(const Box& b, int cut, int x, int y) {
  if (x < b.x || y < b.y || x >= b.Right() || y >= b.Bottom()) return false;
  const int dx = std::min(x - b.x, b.Right() - 1 - x);
  const int dy = std::min(y - b.y, b.Bottom() - 1 - y);
  return dx + dy >= cut;
}

void Canvas::FillChamfered(const Box& box, int cut, Color top, Color bottom) {
  for (int y = box.y; y < box.Bottom(); ++y) {
    const double t = box.h > 1 ? static_cast<double>(y - box.y) / (box.h - 1) : 0.0;
    const Color c = Mix(top, bottom, t);
    for (int x = box.x; x < box.Right(); ++x)
      if (InChamfered(box, cut, x, y)) Set(x, y, c);
  }
}

void Canvas::FrameChamfered(const Box& box, int cut, Color color) {
  const Box inner = box.Inset(1);
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x)
      if (InChamfered(box, cut, x, y) && !InChamfered(inner, std::max(cut - 1, 0), x, y))
        Set(x, y, color);
}

void Canvas::FillCircle(double cx, double cy, double radius, Color color) {
  RingCircle(cx, cy, radius / 2, radius, color);
}

void Canvas::RingCircle(double cx, double cy, double radius, double thickness, Color color) {
  const int x0 = static_cast<int>(std::floor(cx - radius - thickness)),
            x1 = static_cast<int>(std::ceil(cx + radius + thickness));
  const int y0 = static_cast<int>(std::floor(cy - radius - thickness)),
            y1 = static_cast<int>(std::ceil(cy + radius + thickness));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double d = std::hypot(x - cx, y - cy);
      // Soft edge one pixel wide on both sides of the ring.
      const double outside = std::abs(d - radius) - thickness / 2;
      if (outside < 0.5) Blend(x, y, color, std::clamp(0.5 - outside, 0.0, 1.0));
    }
  }
}

void Canvas::Triangle(int cx, int cy, int halfWidth, bool down, Color color) {
  for (int row = 0; row <= halfWidth; ++row) {
    const int y = down ? cy - halfWidth / 2 + row : cy + halfWidth / 2 - row;
    HorizontalLine(cx - (halfWidth - row), cx + (halfWidth - row), y, color);
  }
}

void Canvas::FillWhere(const std::function<bool(int, int)>& inside, Color color) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (inside(x, y)) Set(x, y, color);
}

}  // namespace brelfx::painter
