// Where the on-screen display appears and how see-through it is: the two
// display values the monitor passes after every apply (message 1326, lParam
// = value 0 in the high 16 bits, value 1 in the low 16 bits), also read from
// config.ini's OSDSetting at start.
//
// Value 0 is the corner: 0 bottom right, 1 bottom left, 2 top right, 3 top
// left (anything else bottom right). Value 1 is the opacity in percent, 20 to
// 100; 0 (a new config.ini) gives 85, values below 20 count as 20 so the
// display never vanishes, values above 100 as 100.
#pragma once

#include <cstdint>

namespace brelfx {

enum class OsdCorner { kBottomRight = 0, kBottomLeft = 1, kTopRight = 2, kTopLeft = 3 };

struct OsdLook {
  OsdCorner corner = OsdCorner::kBottomRight;
  int opacityPercent = 85;
  // The alpha of the whole window, 0-255.
  std::uint8_t Alpha() const;
};

OsdLook LookFromDisplayValues(std::int32_t value0, std::int32_t value1);
OsdLook LookFromPackedValues(std::uint32_t lParam);

struct OsdArea {
  int left, top, right, bottom;
};
struct OsdPoint {
  int x, y;
  bool operator==(const OsdPoint&) const = default;
};

// The display's top-left corner inside the work area (the screen without the
// taskbar), a margin away from the chosen corner.
OsdPoint OsdOrigin(OsdCorner corner, const OsdArea& workArea, int width, int height);

}  // namespace brelfx
