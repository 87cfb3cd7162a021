// The block structure of a GIF file, walked without decoding any image: the
// header with its global colour table, then the extensions, image
// descriptors and trailer in file order. The animated picture control cuts
// its frames along these blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace brelfx {

enum class GifBlockKind {
  kGraphicControl,
  kPlainText,
  kComment,
  kApplication,
  kOtherExtension,
  kImage,
  kTrailer
};

struct GifBlock {
  GifBlockKind kind;
  std::size_t offset;  // of its first byte in the file
  std::size_t size;    // every byte of the block, sub-blocks included
};

struct GifHeader {
  int width = 0;  // logical screen
  int height = 0;
  // The 13-byte header plus the global colour table.
  std::size_t size = 0;
  // 0x00BBGGRR: the global colour table's entry at the background index,
  // white without a table or for an index past its end.
  std::uint32_t background = 0xFFFFFF;
};

// "GIF87a" or "GIF89a" at the start.
bool IsGif(std::span<const std::uint8_t> data);

// False when the data is no GIF or ends inside the header or its colour table.
bool ReadGifHeader(std::span<const std::uint8_t> data, GifHeader& header);

// The complete blocks after the header, up to and including the trailer. A
// block that would pass the end of the data, or a byte that starts no
// block, ends the walk there.
std::vector<GifBlock> WalkGifBlocks(std::span<const std::uint8_t> data, const GifHeader& header);

}  // namespace brelfx
