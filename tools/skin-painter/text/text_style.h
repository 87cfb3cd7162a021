// How a piece of lettering looks: the recipe's `font` lines name these.
#pragma once

#include "tools/skin-painter/palette.h"

namespace brelfx::painter {

enum class Align { kLeft, kCenter, kRight };

struct TextStyle {
  int size = 12;  // pixels per em
  bool bold = false;
  Color color = kGlyph;
  Align align = Align::kCenter;
  bool wrap = false;  // flow onto more lines at blanks; otherwise one line
};

}  // namespace brelfx::painter
