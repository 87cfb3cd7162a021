// The trophies of the Trovi page: an emblem in bronze, silver, gold or the
// accent's platinum on a lit pedestal, and the locked trophy (a dark cup
// behind a padlock).
#pragma once

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

enum class Emblem { kCup, kMedal, kStar, kShield, kCrown, kLock };

// tier 1 bronze, 2 silver, 3 gold, 4 platinum; the lock ignores it.
void PaintTrophy(Canvas& canvas, const Box& box, Emblem emblem, int tier);

}  // namespace brelfx::painter
