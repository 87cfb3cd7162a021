// Geometry of the colour spectrum strip: where a press picks a colour and
// where the marker then stands.
#pragma once

#include <optional>

namespace brelfx {

struct PickPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PickPoint&, const PickPoint&) = default;
};

// The strip's spectrum spans (6,6)-(169,21); presses are accepted 3 pixels
// around it so the ends are easy to hit.
struct ColorPickArea {
  int left = 6, top = 6, right = 169, bottom = 21;
  int slack = 3;
};

inline constexpr PickPoint kInitialMarker{65, 7};

// The point whose colour is read for a press at (x, y), or nothing when the
// press is outside the enlarged area.
std::optional<PickPoint> PickPointFor(int x, int y, const ColorPickArea& area = {});

// The marker bitmap's top-left corner for a picked point, and back.
PickPoint MarkerFor(const PickPoint& picked, const ColorPickArea& area = {});
PickPoint PickedFromMarker(const PickPoint& marker, const ColorPickArea& area = {});

// Keyboard use of the focused strip (Windows' VK_ codes): Left/Right move the
// picked point 4 pixels along the spectrum, Up/Down 1 pixel across it,
// Home/End to its ends; nothing for other keys. The point stays in the area.
inline constexpr int kPickKeyStep = 4;
std::optional<PickPoint> PickPointAfterKey(unsigned virtualKey, const PickPoint& picked,
                                           const ColorPickArea& area = {});

}  // namespace brelfx
