// Animated GIFs for the achievements page's level animations.
//
// Written here rather than by ImageMagick: convert re-quantises every frame
// (about a second each on this machine) and gives the later frames local
// colour tables, while the page's animated picture control rebuilds each
// frame from the file's header and global colour table. Ours builds one
// palette for all frames (colour_palette.h), so every frame uses the global
// table; frames are full size, disposal "leave in place", looping forever.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

// `delays` in hundredths of a second, one per frame; all frames one size.
std::vector<uint8_t> EncodeAnimatedGif(const std::vector<Canvas>& frames,
                                       const std::vector<int>& delays);

// The variable-length LZW code stream of GIF image data (without the
// sub-block framing) for 8-bit indices.
std::vector<uint8_t> LzwCompress(const std::vector<uint8_t>& indices);

bool WriteAnimatedGif(const std::vector<Canvas>& frames, const std::vector<int>& delays,
                      const std::string& path, std::string& error);

}  // namespace brelfx::painter
