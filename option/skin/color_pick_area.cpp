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

PickPoint PickedFromMarker(const PickPoint& marker, const ColorPickArea& a) {
  return PickPoint{marker.x + a.left, marker.y + a.top};
}

std::optional<PickPoint> PickPointAfterKey(unsigned virtualKey, const PickPoint& picked,
                                           const ColorPickArea& a) {
  PickPoint next = picked;
  switch (virtualKey) {
    case 0x25:  // Left
      next.x -= kPickKeyStep;
      break;
    case 0x27:  // Right
      next.x += kPickKeyStep;
      break;
    case 0x26:  // Up
      next.y -= 1;
      break;
    case 0x28:  // Down
      next.y += 1;
      break;
    case 0x24:  // Home
      next.x = a.left;
      break;
    case 0x23:  // End
      next.x = a.right;
      break;
    default:
      return std::nullopt;
  }
  return PickPoint{std::clamp(next.x, a.left, a.right), std::clamp(next.y, a.top, a.bottom)};
}

}  // namespace brelfx
