// How each element of a recipe looks in each state. The window's pictures
// are painted once per state; a control's state images are cut from them.
#pragma once

#include "tools/skin-painter/canvas.h"
#include "tools/skin-painter/skin_recipe.h"

namespace brelfx::painter {

enum class Look { kNormal, kHover, kPressed, kDisabled };

// Everything but the wording. `language` stands in for a flag without lang=.
void PaintControl(Canvas& canvas, const Element& element, Look look, int language);

// The wording's colour: labels keep their style's colour in every picture;
// controls light up like their glyphs.
Color WordingColor(const Element& element, Look look);

// The wording's box inside the element (a blocked key keeps its sign clear).
Box WordingBox(const Element& element);

}  // namespace brelfx::painter
