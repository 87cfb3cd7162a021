#include "osd/osd_look.h"

namespace brelfx {
namespace {

constexpr int kDefaultOpacity = 85;
constexpr int kLeastOpacity = 20;
constexpr int kMargin = 24;

}  // namespace

std::uint8_t OsdLook::Alpha() const {
  return static_cast<std::uint8_t>((opacityPercent * 255 + 50) / 100);
}

OsdLook LookFromDisplayValues(std::int32_t value0, std::int32_t value1) {
  OsdLook look;
  const std::int32_t corner = value0 & 0xFFFF;
  if (corner >= 0 && corner <= 3) look.corner = static_cast<OsdCorner>(corner);
  const std::int32_t opacity = value1 & 0xFFFF;
  if (opacity != 0) {
    look.opacityPercent = opacity < kLeastOpacity ? kLeastOpacity : opacity > 100 ? 100 : opacity;
  } else {
    look.opacityPercent = kDefaultOpacity;
  }
  return look;
}

OsdLook LookFromPackedValues(std::uint32_t lParam) {
  return LookFromDisplayValues(static_cast<std::int32_t>(lParam >> 16),
                               static_cast<std::int32_t>(lParam & 0xFFFF));
}

OsdPoint OsdOrigin(OsdCorner corner, const OsdArea& workArea, int width, int height) {
  const bool left = corner == OsdCorner::kBottomLeft || corner == OsdCorner::kTopLeft;
  const bool top = corner == OsdCorner::kTopRight || corner == OsdCorner::kTopLeft;
  return {left ? workArea.left + kMargin : workArea.right - kMargin - width,
          top ? workArea.top + kMargin : workArea.bottom - kMargin - height};
}

}  // namespace brelfx
