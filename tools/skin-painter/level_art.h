// The ornaments of the achievements page's level banners, richer the higher
// the level (1-16), each drawn at a phase of the animation's loop like the
// elements of motion_art.h.
#pragma once

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

// A row of 16 upright marks filling `box`, `level` of them lit from the
// left; a glow runs along the lit ones once per loop.
void PaintPips(Canvas& canvas, const Box& box, int level, double phase);

// `level` four-pointed glints scattered round the edge of `box`, each
// flaring once per loop at its own moment; smaller in a flat box.
void PaintSparks(Canvas& canvas, const Box& box, int level, double phase);

}  // namespace brelfx::painter
