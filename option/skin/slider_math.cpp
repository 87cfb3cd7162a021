#include "option/skin/slider_math.h"

#include <algorithm>
#include <cmath>

namespace brelfx {
namespace {

int Low(const SliderRange& r) {
  return std::min(r.minimum, r.maximum);
}
int High(const SliderRange& r) {
  return std::max(r.minimum, r.maximum);
}

}  // namespace

int ThumbLeftForValue(int value, const SliderRange& range, const SliderTravel& travel) {
  const long long span = static_cast<long long>(range.maximum) - range.minimum;
  if (span == 0) return travel.left;
  const long long v = std::clamp(value, Low(range), High(range));
  const long long room = static_cast<long long>(travel.right) - travel.left - travel.thumbWidth;
  return static_cast<int>(travel.left + room * (v - range.minimum) / span);
}

double TrackClickValue(int x, int trackLeft, int trackRight, const SliderRange& range) {
  const double width = static_cast<double>(trackRight) - trackLeft;
  if (width <= 0) return range.minimum;
  return range.minimum + (static_cast<double>(x) - trackLeft) *
                             (static_cast<double>(range.maximum) - range.minimum) / width;
}

double ThumbValue(int thumbLeft, const SliderRange& range, const SliderTravel& travel) {
  const double room = static_cast<double>(travel.right) - travel.thumbWidth - travel.left;
  if (room <= 0) return range.minimum;
  return range.minimum + (static_cast<double>(thumbLeft) - travel.left) *
                             (static_cast<double>(range.maximum) - range.minimum) / room;
}

int SettleSliderValue(double raw, bool rounding, const SliderRange& range) {
  if (std::isnan(raw)) return range.minimum;
  const double settled = rounding ? std::round(raw) : std::trunc(raw);
  return static_cast<int>(
      std::clamp(settled, static_cast<double>(Low(range)), static_cast<double>(High(range))));
}

int ClampThumbLeft(int thumbLeft, const SliderTravel& travel) {
  const int farthest = std::max(travel.left, travel.right - travel.thumbWidth);
  return std::clamp(thumbLeft, travel.left, farthest);
}

std::optional<int> SliderValueAfterKey(unsigned virtualKey, int value, const SliderRange& range) {
  long long next = value;
  switch (virtualKey) {
    case 0x25:  // Left
    case 0x28:  // Down
      next = static_cast<long long>(value) - 1;
      break;
    case 0x27:  // Right
    case 0x26:  // Up
      next = static_cast<long long>(value) + 1;
      break;
    case 0x24:  // Home
      next = range.minimum;
      break;
    case 0x23:  // End
      next = range.maximum;
      break;
    default:
      return std::nullopt;
  }
  const int low = std::min(range.minimum, range.maximum);
  const int high = std::max(range.minimum, range.maximum);
  return static_cast<int>(std::clamp<long long>(next, low, high));
}

}  // namespace brelfx
