// One palette of at most 256 colours for a series of pictures (a GIF's
// global colour table): the exact colours when there are few enough,
// otherwise median cut weighted by how often each colour is used.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

class ColorPalette {
 public:
  explicit ColorPalette(const std::vector<Canvas>& pictures);

  const std::vector<Color>& colors() const { return colors_; }
  // The index of the nearest palette colour.
  uint8_t IndexOf(Color color);

 private:
  std::vector<Color> colors_;
  std::unordered_map<Color, uint8_t> nearest_;
};

}  // namespace brelfx::painter
