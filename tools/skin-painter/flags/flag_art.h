// Simplified national flags for the language button and the language list:
// the fields, crosses, discs and stars that make each one recognisable at
// thirty pixels, edges smoothed by sampling every pixel nine times.
#pragma once

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

// Paints the flag of language `language` (see languages.h) filling `box`.
void PaintFlag(Canvas& canvas, const Box& box, int language);

}  // namespace brelfx::painter
