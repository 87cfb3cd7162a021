// Picture files come from the program folder, where anything may be put:
// any bytes must cut without a read outside the data or a hang, and every
// frame cut must itself be a GIF of exactly one image under the file's own
// header.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "option/skin/animation/gif_frames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so the sanitizer sees the first byte past the data.
  auto copy = std::make_unique<uint8_t[]>(size);
  if (size > 0) std::memcpy(copy.get(), data, size);
  const std::span<const uint8_t> file(copy.get(), size);

  const brelfx::CutGif cut = brelfx::CutGifFrames(file);
  if (cut.layout != brelfx::GifLayout::kAnimated) {
    if (!cut.frames.empty()) __builtin_trap();
    return 0;
  }
  if (cut.frames.size() < 2 || cut.header.size > size) __builtin_trap();
  for (const brelfx::GifFrame& frame : cut.frames) {
    const auto& image = frame.image;
    if (image.size() < cut.header.size + 12 || image.size() > cut.header.size + size + 1 ||
        image.back() != 0x3B || std::memcmp(image.data(), file.data(), cut.header.size) != 0 ||
        frame.disposal < 0 || frame.disposal > 7) {
      __builtin_trap();
    }
    if (brelfx::CutGifFrames(image).layout != brelfx::GifLayout::kSingleImage) __builtin_trap();
  }
  return 0;
}
