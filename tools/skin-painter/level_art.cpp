#include "tools/skin-painter/level_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/skin-painter/palette.h"

namespace brelfx::painter {
namespace {

constexpr int kMarks = 16;
constexpr double kPi = std::numbers::pi;

// Distance round a loop of `length` between two positions on it.
double LoopDistance(double a, double b, double length) {
  const double d = std::fmod(std::abs(a - b), length);
  return std::min(d, length - d);
}

}  // namespace

void PaintPips(Canvas& c, const Box& box, int level, double phase) {
  // Upright bars side by side across the box, a quarter of their pitch apart.
  const double pitch = double(box.w) / kMarks;
  const int gap = std::max(1, int(pitch / 4));
  const double head = phase * std::max(level, 1);
  for (int i = 0; i < kMarks; ++i) {
    const int left = box.x + int(std::lround(i * pitch));
    const Box mark{left, box.y, box.x + int(std::lround((i + 1) * pitch)) - gap - left, box.h};
    if (i >= level) {
      c.Fill(mark, kWell);
      c.Frame(mark, kPanelEdge);
      continue;
    }
    const double glow = std::max(0.0, 1.0 - LoopDistance(i, head, std::max(level, 1)) / 1.5);
    c.VerticalGradient(mark, Mix(kAccentBright, kWhite, 0.1 + 0.75 * glow),
                       Mix(kAccent, kBlack, 0.35 * (1 - glow)));
    c.Frame(mark, Mix(kAccent, kWhite, 0.5 * glow));
  }
}

void PaintSparks(Canvas& c, const Box& box, int level, double phase) {
  const double cx = box.x + box.w / 2.0, cy = box.y + box.h / 2.0;
  // Full size in a box 60 pixels high or more, smaller in a flatter one.
  const double scale = std::min(1.0, box.h / 60.0);
  const double rx = box.w / 2.0 - 8 * scale, ry = box.h / 2.0 - 8 * scale;
  const double goldenAngle = kPi * (3 - std::sqrt(5.0));
  for (int i = 0; i < level; ++i) {
    // Round the edge at the golden angle, so any number of glints spreads evenly.
    const double angle = i * goldenAngle;
    const double x = cx + rx * std::cos(angle), y = cy + ry * std::sin(angle);
    const double t = std::fmod(phase + i * 0.381966, 1.0);
    const double flare = std::pow(std::sin(kPi * t), 4);
    if (flare < 0.02) continue;
    const double arm = 1 + (1 + 5 * flare) * scale;
    for (int py = int(y - arm) - 1; py <= int(y + arm) + 1; ++py) {
      for (int px = int(x - arm) - 1; px <= int(x + arm) + 1; ++px) {
        const double dx = std::abs(px - x), dy = std::abs(py - y);
        // A thin cross whose arms taper to their ends.
        const double along = std::max(dx, dy), across = std::min(dx, dy);
        const double width = 1.1 * (1 - along / (arm + 1));
        const double alpha = std::clamp(width + 0.5 - across, 0.0, 1.0) * flare;
        if (alpha > 0) c.Blend(px, py, Mix(kAccentBright, kWhite, 0.6), alpha);
      }
    }
  }
}

}  // namespace brelfx::painter
