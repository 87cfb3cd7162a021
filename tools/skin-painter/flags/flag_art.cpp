#include "tools/skin-painter/flags/flag_art.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "tools/skin-painter/flags/languages.h"

namespace brelfx::painter {
namespace {

// Flag coordinates: Y runs 0..1 down the height, X 0..aspect across, so
// circles and stars stay round on any flag size.
using Region = std::function<bool(double X, double Y)>;

struct Layer {
  Region inside;
  Color color;
};

Region Everywhere() {
  return [](double, double) { return true; };
}
Region Columns(double from, double to, double aspect) {
  return [=](double X, double) { return X >= from * aspect && X < to * aspect; };
}
Region Rows(double from, double to) {
  return [=](double, double Y) { return Y >= from && Y < to; };
}
Region Disc(double cx, double cy, double r) {
  return [=](double X, double Y) { return std::hypot(X - cx, Y - cy) < r; };
}
// A Nordic cross: the upright `width` wide centred at `at`, the bar across the middle.
Region NordicCross(double at, double width) {
  return [=](double X, double Y) {
    return std::abs(X - at) < width / 2 || std::abs(Y - 0.5) < width / 2;
  };
}
Region Star(double cx, double cy, double outer, double inner, int points, double turn) {
  std::vector<std::pair<double, double>> corners;
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = turn + i * std::numbers::pi / points;
    const double r = i % 2 ? inner : outer;
    corners.emplace_back(cx + r * std::sin(angle), cy - r * std::cos(angle));
  }
  return [corners](double X, double Y) {  // even-odd ray test
    bool in = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const auto [xi, yi] = corners[i];
      const auto [xj, yj] = corners[j];
      if ((yi > Y) != (yj > Y) && X < (xj - xi) * (Y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
  };
}
Region FivePointStar(double cx, double cy, double r, double turn = 0) {
  return Star(cx, cy, r, r * 0.382, 5, turn);
}

// The red and white diagonals and crosses over blue.
std::vector<Layer> UnionFlag(double a) {
  const double length = std::hypot(a, 1.0);
  const auto diagonal = [=](double width) -> Region {
    return [=](double X, double Y) {
      return std::abs(X - Y * a) / length < width / 2 ||
             std::abs(X - (1 - Y) * a) / length < width / 2;
    };
  };
  const auto cross = [=](double width) -> Region {
    return [=](double X, double Y) {
      return std::abs(X - a / 2) < width / 2 || std::abs(Y - 0.5) < width / 2;
    };
  };
  return {{Everywhere(), Rgb(1, 33, 105)},
          {diagonal(0.22), Rgb(255, 255, 255)},
          {diagonal(0.08), Rgb(200, 16, 46)},
          {cross(0.34), Rgb(255, 255, 255)},
          {cross(0.2), Rgb(200, 16, 46)}};
}

std::vector<Layer> Taegukgi(double a) {
  const double cx = a / 2, r = 0.25;
  const Region red = [=](double X, double Y) {
    return (Y < 0.5 && std::hypot(X - (cx + r / 2), Y - 0.5) > r / 2) ||
           std::hypot(X - (cx - r / 2), Y - 0.5) < r / 2;
  };
  // The four trigrams, each a short dark block across a diagonal.
  const Region trigrams = [=](double X, double Y) {
    const double dx = X - cx, dy = Y - 0.5;
    const double along = (std::abs(dx) + std::abs(dy)) / std::sqrt(2.0);
    const double across = std::abs(std::abs(dx) - std::abs(dy)) / std::sqrt(2.0);
    return along > 0.36 && along < 0.5 && across < 0.1;
  };
  return {
      {Everywhere(), Rgb(255, 255, 255)},
      {trigrams, Rgb(20, 20, 20)},
      {Disc(cx, 0.5, r), Rgb(0, 71, 160)},
      {[=](double X, double Y) { return Disc(cx, 0.5, r)(X, Y) && red(X, Y); }, Rgb(205, 46, 58)}};
}

std::vector<Layer> Layers(int language, double a) {
  const Color white = Rgb(255, 255, 255);
  switch (language) {
    case 0:  // Danish
      return {{Everywhere(), Rgb(200, 16, 46)}, {NordicCross(0.36 * a, 0.15), white}};
    case 1:  // English
      return UnionFlag(a);
    case 2:  // Finnish
      return {{Everywhere(), white}, {NordicCross(0.36 * a, 0.26), Rgb(0, 47, 108)}};
    case 3:  // French
      return {{Everywhere(), Rgb(239, 65, 53)},
              {Columns(0, 2 / 3.0, a), white},
              {Columns(0, 1 / 3.0, a), Rgb(0, 85, 164)}};
    case 4:  // German
      return {{Everywhere(), Rgb(255, 206, 0)},
              {Rows(0, 2 / 3.0), Rgb(221, 0, 0)},
              {Rows(0, 1 / 3.0), Rgb(0, 0, 0)}};
    case 5:  // Italian
      return {{Everywhere(), Rgb(206, 43, 55)},
              {Columns(0, 2 / 3.0, a), white},
              {Columns(0, 1 / 3.0, a), Rgb(0, 146, 70)}};
    case 6:  // Japanese
      return {{Everywhere(), white}, {Disc(a / 2, 0.5, 0.3), Rgb(188, 0, 45)}};
    case 7:  // Korean
      return Taegukgi(a);
    case 8:  // Polish
      return {{Everywhere(), Rgb(220, 20, 60)}, {Rows(0, 0.5), white}};
    case 9:  // Russian
      return {{Everywhere(), Rgb(213, 43, 30)},
              {Rows(0, 2 / 3.0), Rgb(0, 57, 166)},
              {Rows(0, 1 / 3.0), white}};
    case 10: {  // Simplified Chinese: one large star and four small ones turned to it
      const Color yellow = Rgb(255, 222, 0);
      std::vector<Layer> layers{{Everywhere(), Rgb(238, 28, 37)},
                                {FivePointStar(0.25, 0.25, 0.16), yellow}};
      for (auto [x, y] : {std::pair{0.5, 0.1}, {0.6, 0.2}, {0.6, 0.35}, {0.5, 0.45}})
        layers.push_back({FivePointStar(x, y, 0.065, std::atan2(0.25 - x, y - 0.25)), yellow});
      return layers;
    }
    case 11:  // Spanish
      return {{Everywhere(), Rgb(170, 21, 27)}, {Rows(0.25, 0.75), Rgb(241, 191, 0)}};
    case 12:  // Swedish
      return {{Everywhere(), Rgb(0, 106, 167)}, {NordicCross(0.36 * a, 0.2), Rgb(254, 204, 0)}};
    case 13:  // Thai
      return {{Everywhere(), Rgb(165, 25, 49)},
              {Rows(1 / 6.0, 5 / 6.0), white},
              {Rows(2 / 6.0, 4 / 6.0), Rgb(45, 42, 74)}};
    case 14:  // Traditional Chinese: white sun on a blue canton over red
      return {{Everywhere(), Rgb(254, 0, 0)},
              {[=](double X, double Y) { return X < a / 2 && Y < 0.5; }, Rgb(0, 0, 149)},
              {Star(a / 4, 0.25, 0.19, 0.11, 12, 0), white},
              {Disc(a / 4, 0.25, 0.1), Rgb(0, 0, 149)},
              {Disc(a / 4, 0.25, 0.085), white}};
    case 15:  // Turkish: crescent and star
      return {{Everywhere(), Rgb(227, 10, 23)},
              {[=](double X, double Y) {
                 return Disc(0.5, 0.5, 0.25)(X, Y) && !Disc(0.5625, 0.5, 0.2)(X, Y);
               },
               white},
              {FivePointStar(0.88, 0.5, 0.125, -std::numbers::pi / 2), white}};
    default:  // 16 Vietnamese
      return {{Everywhere(), Rgb(218, 37, 29)},
              {FivePointStar(a / 2, 0.52, 0.3), Rgb(255, 255, 0)}};
  }
}

}  // namespace

void PaintFlag(Canvas& canvas, const Box& box, int language) {
  if (box.w <= 0 || box.h <= 0) return;
  const double a = static_cast<double>(box.w) / box.h;
  const std::vector<Layer> layers = Layers(language, a);
  constexpr int kSamples = 3;  // per axis
  for (int y = 0; y < box.h; ++y) {
    for (int x = 0; x < box.w; ++x) {
      Color color = layers.front().color;
      for (std::size_t i = 1; i < layers.size(); ++i) {
        int hits = 0;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx)
            hits += layers[i].inside((x + (sx + 0.5) / kSamples) / box.h,
                                     (y + (sy + 0.5) / kSamples) / box.h);
        color = Mix(color, layers[i].color, hits / double(kSamples * kSamples));
      }
      canvas.Set(box.x + x, box.y + y, color);
    }
  }
}

}  // namespace brelfx::painter
