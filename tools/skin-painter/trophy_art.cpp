#include "tools/skin-painter/trophy_art.h"

#include <algorithm>
#include <cmath>

#include "tools/skin-painter/palette.h"

namespace brelfx::painter {
namespace {

struct Metal {
  Color light, dark;
};

Metal MetalOf(int tier) {
  switch (tier) {
    case 1:
      return {Rgb(232, 160, 96), Rgb(112, 60, 24)};
    case 2:
      return {Rgb(236, 240, 246), Rgb(104, 112, 126)};
    case 4:
      return {Rgb(150, 226, 255), Rgb(24, 92, 158)};
    default:
      return {Rgb(255, 226, 110), Rgb(150, 100, 16)};
  }
}

// A shape in unit coordinates of the box: u across, v down, both 0-1.
using Shape = bool (*)(double u, double v);

bool InEllipse(double u, double v, double cu, double cv, double ru, double rv) {
  const double a = (u - cu) / ru, b = (v - cv) / rv;
  return a * a + b * b <= 1.0;
}

bool InRect(double u, double v, double u0, double v0, double u1, double v1) {
  return u >= u0 && u <= u1 && v >= v0 && v <= v1;
}

bool InRing(double u, double v, double cu, double cv, double r, double thickness) {
  const double d = std::hypot(u - cu, v - cv);
  return d <= r && d >= r - thickness;
}

// A five-pointed star, point up: inside the polygon of its ten corners.
bool InStar(double u, double v, double cu, double cv, double outer, double inner) {
  const double pi = 3.14159265358979;
  bool inside = false;
  for (int i = 0, j = 9; i < 10; j = i++) {
    const double ri = i % 2 ? inner : outer, rj = j % 2 ? inner : outer;
    const double ui = cu + ri * std::sin(i * pi / 5), vi = cv - ri * std::cos(i * pi / 5);
    const double uj = cu + rj * std::sin(j * pi / 5), vj = cv - rj * std::cos(j * pi / 5);
    if ((vi > v) != (vj > v) && u < (uj - ui) * (v - vi) / (vj - vi) + ui) inside = !inside;
  }
  return inside;
}

bool Cup(double u, double v) {
  return (v >= 0.2 && v <= 0.56 && InEllipse(u, v, 0.5, 0.2, 0.27, 0.36)) ||
         InRect(u, v, 0.2, 0.15, 0.8, 0.21) || InRing(u, v, 0.22, 0.32, 0.1, 0.035) ||
         InRing(u, v, 0.78, 0.32, 0.1, 0.035) || InRect(u, v, 0.46, 0.55, 0.54, 0.7) ||
         InRect(u, v, 0.36 - (v - 0.7), 0.7, 0.64 + (v - 0.7), 0.76);
}

bool Medal(double u, double v) {
  return InEllipse(u, v, 0.5, 0.5, 0.27, 0.23) && !InRing(u, v, 0.5, 0.5, 0.2, 0.02);
}

bool Ribbon(double u, double v) {
  return v >= 0.08 && v <= 0.36 &&
         (std::abs(u - (0.34 + (v - 0.08) * 0.5)) < 0.07 ||
          std::abs(u - (0.66 - (v - 0.08) * 0.5)) < 0.07);
}

bool Star(double u, double v) {
  return InStar(u, v, 0.5, 0.46, 0.4, 0.17);
}

bool Shield(double u, double v) {
  if (InRect(u, v, 0.22, 0.12, 0.78, 0.46)) return true;
  if (v < 0.46 || v > 0.8) return false;
  const double t = (v - 0.46) / 0.34;
  return std::abs(u - 0.5) <= 0.28 * std::sqrt(std::max(0.0, 1 - t * t));
}

bool ShieldCross(double u, double v) {
  return Shield(u, v) && (std::abs(u - 0.5) < 0.035 || std::abs(v - 0.36) < 0.03);
}

bool Crown(double u, double v) {
  if (InRect(u, v, 0.2, 0.56, 0.8, 0.7)) return true;
  for (const double peak : {0.26, 0.5, 0.74}) {
    const double height = peak == 0.5 ? 0.26 : 0.34;
    if (v >= height && v <= 0.56 && std::abs(u - peak) <= 0.13 * (v - height) / (0.56 - height))
      return true;
    if (InEllipse(u, v, peak, height - 0.03, 0.035, 0.03)) return true;
  }
  return false;
}

bool Padlock(double u, double v) {
  return InRect(u, v, 0.36, 0.44, 0.64, 0.64) ||
         (v <= 0.44 && InRing(u, v, 0.5, 0.44, 0.11, 0.035));
}

// Lit metal: brightest a little left of the middle, darker to the edges
// and downwards.
Color MetalAt(const Metal& metal, double u, double v) {
  const double light = 1.0 - std::min(1.0, std::abs(u - 0.42) * 2.2) * 0.8 - v * 0.25;
  return Mix(metal.dark, metal.light, light);
}

void FillShape(Canvas& c, const Box& box, Shape shape, const Metal& metal) {
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x) {
      const double u = (x - box.x + 0.5) / box.w, v = (y - box.y + 0.5) / box.h;
      if (!shape(u, v)) continue;
      // A darker rim where the shape ends within a pixel or two.
      const double step = 1.5 / box.w;
      const bool rim =
          !shape(u - step, v) || !shape(u + step, v) || !shape(u, v - step) || !shape(u, v + step);
      c.Set(x, y, rim ? Mix(metal.dark, kBlack, 0.35) : MetalAt(metal, u, v));
    }
}

void Glow(Canvas& c, const Box& box, Color color) {
  const double cx = box.x + box.w / 2.0, cy = box.y + box.h * 0.45;
  const double radius = box.w * 0.5;
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x) {
      const double d = std::hypot(x - cx, y - cy) / radius;
      if (d < 1) c.Blend(x, y, color, 0.22 * (1 - d) * (1 - d));
    }
}

void Pedestal(Canvas& c, const Box& box) {
  const Box top{box.x + box.w / 5, box.y + box.h * 78 / 100, box.w * 3 / 5, box.h / 16};
  const Box front{top.x - 6, top.Bottom(), top.w + 12, box.h / 9};
  c.VerticalGradient(top, kMetalShine, kMetalTop);
  c.VerticalGradient(front, kMetalTop, kMetalBottom);
  c.Frame(front, kEdge);
  c.HorizontalLine(front.x + 8, front.Right() - 9, front.y + front.h / 2, kAccent);
}

}  // namespace

void PaintTrophy(Canvas& c, const Box& box, Emblem emblem, int tier) {
  const Metal metal = MetalOf(tier);
  Pedestal(c, box);
  if (emblem == Emblem::kLock) {
    const Metal shadow{Rgb(58, 64, 74), Rgb(26, 29, 35)};
    FillShape(c, box, Cup, shadow);
    FillShape(c, box, Padlock, {Rgb(150, 158, 170), Rgb(60, 66, 76)});
    return;
  }
  Glow(c, box, metal.light);
  switch (emblem) {
    case Emblem::kMedal:
      FillShape(c, box, Ribbon, {kAccentBright, Rgb(20, 70, 120)});
      FillShape(c, box, Medal, metal);
      FillShape(c, box, [](double u, double v) { return InStar(u, v, 0.5, 0.5, 0.13, 0.06); },
                {metal.dark, Mix(metal.dark, kBlack, 0.3)});
      break;
    case Emblem::kStar:
      FillShape(c, box, Star, metal);
      break;
    case Emblem::kShield:
      FillShape(c, box, Shield, metal);
      FillShape(c, box, ShieldCross, {metal.dark, Mix(metal.dark, kBlack, 0.3)});
      break;
    case Emblem::kCrown:
      FillShape(c, box, Crown, metal);
      break;
    default:
      FillShape(c, box, Cup, metal);
      if (tier == 4)
        FillShape(c, box, [](double u, double v) { return InStar(u, v, 0.5, 0.34, 0.1, 0.045); },
                  {kWhite, kAccent});
      break;
  }
}

}  // namespace brelfx::painter
