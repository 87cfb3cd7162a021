// An animated GIF cut into single-frame GIF images the system's picture
// loader can decode one at a time, each with its place, delay and disposal.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "option/skin/animation/gif_blocks.h"

namespace brelfx {

struct GifFrame {
  // The file's header and global colour table, the frame's blocks, and a
  // trailer.
  std::vector<std::uint8_t> image;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int delay = 0;     // hundredths of a second; 0 without a graphic control extension
  int disposal = 0;  // 0-7
};

enum class GifLayout {
  kNotGif,       // some other picture: loaded whole
  kSingleImage,  // loaded whole and shown still
  kAnimated,     // played frame by frame
  kNoImage,      // a GIF without one complete image: nothing to show
};

struct CutGif {
  GifLayout layout = GifLayout::kNotGif;
  GifHeader header;
  std::vector<GifFrame> frames;  // kAnimated only
};

// Truncated data keeps the frames that are complete before the cut.
CutGif CutGifFrames(std::span<const std::uint8_t> data);

// How long a frame stays: its delay, but 100 ms for a delay of 0 to 4
// hundredths (browsers and the system viewer play those that slowly too).
int FrameDelayMs(int delayHundredths);

}  // namespace brelfx
