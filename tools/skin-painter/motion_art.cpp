#include "tools/skin-painter/motion_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/skin-painter/palette.h"

namespace brelfx::painter {

void PaintPulse(Canvas& c, const Box& box, double phase) {
  const double cx = box.x + box.w / 2.0 - 0.5, cy = box.y + box.h / 2.0 - 0.5;
  const double largest = std::min(box.w, box.h) / 2.0 - 2;
  for (double offset : {0.0, 0.5}) {
    const double t = std::fmod(phase + offset, 1.0);
    const double radius = largest * (0.35 + 0.65 * t);
    // Draw into a scratch copy, then fade it in, so the ring's own soft edge
    // and its fading combine.
    Canvas ring = c;
    ring.RingCircle(cx, cy, radius, 2.5, kAccentBright);
    const double strength = std::sin(std::numbers::pi * t);
    for (int y = box.y; y < box.Bottom(); ++y)
      for (int x = box.x; x < box.Right(); ++x)
        c.Set(x, y, Mix(c.At(x, y), ring.At(x, y), strength));
  }
}

void PaintShine(Canvas& c, const Box& box, double phase) {
  const double band = std::max(6.0, box.w / 6.0);
  // The band leans like light on brushed metal and starts and ends outside the box.
  const double travel = box.w + box.h * 0.6 + 2 * band;
  const double centre = -band + travel * phase;
  for (int y = box.y; y < box.Bottom(); ++y) {
    for (int x = box.x; x < box.Right(); ++x) {
      const double d = std::abs((x - box.x) + (y - box.y) * 0.6 - centre);
      if (d < band) c.Blend(x, y, kWhite, 0.38 * (1 - d / band) * (1 - d / band));
    }
  }
}

}  // namespace brelfx::painter
