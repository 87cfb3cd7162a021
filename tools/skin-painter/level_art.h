// The ornaments of the achievements page's level badges, richer the higher
// the level (1-16), each drawn at a phase of the animation's loop like the
// elements of motion_art.h.
#pragma once

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

// A medal ring with 16 marks round it, `level` of them lit; a glow runs
// along the lit ones once per loop.
void PaintPips(Canvas& canvas, const Box& box, int level, double phase);

// Chevrons pointing outwards at the left and right of `box`, one pair per
// four levels begun; a charge flows outwards through them.
void PaintWings(Canvas& canvas, const Box& box, int level, double phase);

// `level` four-pointed glints scattered round the edge of `box`, each
// flaring once per loop at its own moment.
void PaintSparks(Canvas& canvas, const Box& box, int level, double phase);

}  // namespace brelfx::painter
