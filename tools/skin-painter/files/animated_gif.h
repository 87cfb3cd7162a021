// Animated GIFs for the achievements page's level animations.
//
// The frames are handed to ImageMagick's `convert` (a build dependency
// already, for screenshots): it chooses one shared palette for all frames
// (+remap) and dithers the gradients, which a hand-written encoder would
// have to match with its own quantiser. The result plays in the page's
// animated picture control: one global colour table, full-size frames,
// disposal "none", looping forever.
#pragma once

#include <string>
#include <vector>

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

// `delays` in hundredths of a second, one per frame. False with a message
// when convert is missing or fails.
bool WriteAnimatedGif(const std::vector<Canvas>& frames, const std::vector<int>& delays,
                      const std::string& path, std::string& error);

}  // namespace brelfx::painter
