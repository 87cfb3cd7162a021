#include "tools/skin-painter/level_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/skin-painter/palette.h"

namespace brelfx::painter {
namespace {

constexpr int kMarks = 16;
constexpr double kPi = std::numbers::pi;

// How far a point lies from the segment (ax, ay)-(bx, by).
double DistanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

// Distance round a loop of `length` between two positions on it.
double LoopDistance(double a, double b, double length) {
  const double d = std::fmod(std::abs(a - b), length);
  return std::min(d, length - d);
}

}  // namespace

void PaintPips(Canvas& c, const Box& box, int level, double phase) {
  const double cx = box.x + box.w / 2.0 - 0.5, cy = box.y + box.h / 2.0 - 0.5;
  const double radius = std::min(box.w, box.h) / 2.0 - 5;
  c.RingCircle(cx, cy, radius - 9, 1.5, kPanelEdge);
  c.RingCircle(cx, cy, radius - 12, 2.0, kAccent);
  const double head = phase * std::max(level, 1);
  for (int i = 0; i < kMarks; ++i) {
    const double angle = -kPi / 2 + 2 * kPi * i / kMarks;
    const double x = cx + radius * std::cos(angle), y = cy + radius * std::sin(angle);
    if (i >= level) {
      c.FillCircle(x, y, 2.0, kPanelEdge);
      continue;
    }
    const double glow = std::max(0.0, 1.0 - LoopDistance(i, head, std::max(level, 1)) / 1.5);
    c.FillCircle(x, y, 3.2 + 1.2 * glow, Mix(kAccent, kWhite, 0.15 + 0.7 * glow));
  }
}

void PaintWings(Canvas& c, const Box& box, int level, double phase) {
  const int pairs = (std::clamp(level, 1, kMarks) + 3) / 4;
  const double cy = box.y + box.h / 2.0 - 0.5, half = box.h / 2.0 - 3;
  const double step = 8, reach = 9;
  for (int y = box.y; y < box.Bottom(); ++y) {
    for (int x = box.x; x < box.Right(); ++x) {
      for (int side = 0; side < 2; ++side) {
        // Mirror the right wing onto the left one.
        const double mx = side == 0 ? x - box.x : box.Right() - 1 - x;
        for (int k = 0; k < pairs; ++k) {
          // Chevron k of this wing: its tip points outwards, the innermost first.
          const double tip = (pairs - 1 - k) * step + 3, back = tip + reach;
          const double size = half * (1.0 - 0.14 * k);
          const double d = std::min(DistanceToSegment(mx, y, back, cy - size, tip, cy),
                                    DistanceToSegment(mx, y, tip, cy, back, cy + size));
          const double alpha = std::clamp(2.2 - d, 0.0, 1.0);
          if (alpha <= 0) continue;
          const double charge = 0.5 + 0.5 * std::cos(2 * kPi * (phase + k / 4.0));
          c.Blend(x, y, Mix(kAccent, kAccentBright, charge), alpha * (0.55 + 0.45 * charge));
        }
      }
    }
  }
}

void PaintSparks(Canvas& c, const Box& box, int level, double phase) {
  const double cx = box.x + box.w / 2.0, cy = box.y + box.h / 2.0;
  const double rx = box.w / 2.0 - 8, ry = box.h / 2.0 - 8;
  const double goldenAngle = kPi * (3 - std::sqrt(5.0));
  for (int i = 0; i < level; ++i) {
    // Round the edge at the golden angle, so any number of glints spreads evenly.
    const double angle = i * goldenAngle;
    const double x = cx + rx * std::cos(angle), y = cy + ry * std::sin(angle);
    const double t = std::fmod(phase + i * 0.381966, 1.0);
    const double flare = std::pow(std::sin(kPi * t), 4);
    if (flare < 0.02) continue;
    const double arm = 2 + 5 * flare;
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
