#include "option/skin/animation/gif_frames.h"

#include <algorithm>
#include <optional>

namespace brelfx {
namespace {

int Le16(std::span<const std::uint8_t> data, std::size_t at) {
  return data[at] | data[at + 1] << 8;
}

// A frame spans from its graphic control extension (when it has one) to the
// end of its image descriptor's data.
GifFrame CutFrame(std::span<const std::uint8_t> data, const GifHeader& header,
                  std::optional<GifBlock> control, const GifBlock& image) {
  GifFrame frame;
  const std::size_t start = control ? control->offset : image.offset;
  const std::size_t end = image.offset + image.size;
  frame.image.reserve(header.size + (end - start) + 1);
  frame.image.insert(frame.image.end(), data.begin(), data.begin() + header.size);
  frame.image.insert(frame.image.end(), data.begin() + start, data.begin() + end);
  frame.image.push_back(0x3B);
  if (control) {
    frame.disposal = (data[control->offset + 3] >> 2) & 0x07;
    frame.delay = Le16(data, control->offset + 4);
  }
  frame.left = Le16(data, image.offset + 1);
  frame.top = Le16(data, image.offset + 3);
  frame.width = Le16(data, image.offset + 5);
  frame.height = Le16(data, image.offset + 7);
  return frame;
}

}  // namespace

CutGif CutGifFrames(std::span<const std::uint8_t> data) {
  CutGif cut;
  if (!IsGif(data)) return cut;
  cut.layout = GifLayout::kNoImage;
  if (!ReadGifHeader(data, cut.header)) return cut;

  const std::vector<GifBlock> blocks = WalkGifBlocks(data, cut.header);
  const auto images = std::count_if(blocks.begin(), blocks.end(), [](const GifBlock& b) {
    return b.kind == GifBlockKind::kImage;
  });
  if (images == 0) return cut;
  if (images == 1) {
    cut.layout = GifLayout::kSingleImage;
    return cut;
  }
  cut.layout = GifLayout::kAnimated;
  std::optional<GifBlock> control;
  for (const GifBlock& block : blocks) {
    if (block.kind == GifBlockKind::kGraphicControl) {
      control = block;
    } else if (block.kind == GifBlockKind::kImage) {
      cut.frames.push_back(CutFrame(data, cut.header, control, block));
      control.reset();
    }
  }
  return cut;
}

int FrameDelayMs(int delayHundredths) {
  return delayHundredths > 4 ? delayHundredths * 10 : 100;
}

}  // namespace brelfx
