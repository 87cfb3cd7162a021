// Where BrelOSD writes into its pictures (assets/skins/osd_*.skin): the
// same rectangles as the recipes' wells and bar.
#pragma once

namespace brelfx {

struct OsdBox {
  int x, y, width, height;
};

constexpr int kOsdWidth = 300;
constexpr int kOsdHeight = 84;

constexpr OsdBox kOsdBadge{14, 28, 44, 44};      // profile number
constexpr OsdBox kOsdName{66, 28, 220, 44};      // profile name
constexpr OsdBox kOsdLevelBar{16, 40, 216, 20};  // brightness bar
constexpr OsdBox kOsdStep{240, 36, 46, 28};      // brightness step "4/6"

// The lit part of the brightness bar for step 0-6 of six.
constexpr int LitBarWidth(int step, int steps) {
  return step <= 0 ? 0 : step >= steps ? kOsdLevelBar.width : kOsdLevelBar.width * step / steps;
}

}  // namespace brelfx
