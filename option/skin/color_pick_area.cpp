#include "option/skin/color_pick_area.h"

#include <algorithm>

namespace brelfx {

std::optional<PickPoint> PickPointFor(int x, int y, const ColorPickArea& a) {
  if (x < a.left - a.slack || x > a.right + a.slack || y < a.top - a.slack ||
      y > a.bottom + a.slack) {
    return std::nullopt;
  }
  return PickPoint{std::clamp(x, a.left, a.right), std::clamp(y, a.top, a.bottom)};
}

PickPoint MarkerFor(const PickPoint& picked, const ColorPickArea& a) {
  return PickPoint{picked.x - a.left, picked.y - a.top};
}

}  // namespace brelfx
