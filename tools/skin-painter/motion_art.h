// The animated elements of a recipe, drawn at a phase of the loop (0 at the
// first frame, approaching 1 at the last), so the last frame leads smoothly
// back into the first.
#pragma once

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

// Two rings that grow from the middle of `box` and fade out, half a loop apart.
void PaintPulse(Canvas& canvas, const Box& box, double phase);

// A soft band of light that sweeps across `box` once per loop.
void PaintShine(Canvas& canvas, const Box& box, double phase);

}  // namespace brelfx::painter
