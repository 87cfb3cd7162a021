#include "option/skin/animation/gif_blocks.h"

#include <cstring>
#include <optional>

namespace brelfx {
namespace {

constexpr std::size_t kHeaderSize = 13;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;

// Bytes of the colour table a packed field announces: 3 × 2^(n+1) when bit 7
// is set, n its low three bits.
std::size_t ColorTableSize(std::uint8_t packed) {
  if ((packed & 0x80) == 0) return 0;
  return 3u * (2u << (packed & 0x07));
}

int Le16(std::span<const std::uint8_t> data, std::size_t at) {
  return data[at] | data[at + 1] << 8;
}

// Length of the data sub-block chain at `at`: (length byte + 1) per
// sub-block, plus its zero terminator; nothing when it runs off the end.
std::optional<std::size_t> SubBlocksSize(std::span<const std::uint8_t> data, std::size_t at) {
  std::size_t size = 0;
  while (at + size < data.size()) {
    const std::uint8_t length = data[at + size];
    size += length + 1u;
    if (length == 0) return size;
  }
  return std::nullopt;
}

// The fixed part of an extension before its sub-blocks, by label.
struct ExtensionShape {
  GifBlockKind kind;
  std::size_t fixed;
  bool subBlocks;
};

ExtensionShape ShapeOfExtension(std::uint8_t label) {
  switch (label) {
    case 0xF9:
      return {GifBlockKind::kGraphicControl, 8, false};
    case 0x01:
      return {GifBlockKind::kPlainText, 15, true};
    case 0xFE:
      return {GifBlockKind::kComment, 2, true};
    case 0xFF:
      return {GifBlockKind::kApplication, 14, true};
    default:
      // Every extension is its introducer and label followed by sub-blocks;
      // one the control does not know is stepped over that way.
      return {GifBlockKind::kOtherExtension, 2, true};
  }
}

// The block starting at `at`, when it is complete within the data.
std::optional<GifBlock> BlockAt(std::span<const std::uint8_t> data, std::size_t at) {
  const std::size_t left = data.size() - at;
  switch (data[at]) {
    case kTrailer:
      return GifBlock{GifBlockKind::kTrailer, at, 1};
    case kExtensionIntroducer: {
      if (left < 2) return std::nullopt;
      const ExtensionShape shape = ShapeOfExtension(data[at + 1]);
      if (shape.fixed > left) return std::nullopt;
      std::size_t size = shape.fixed;
      if (shape.subBlocks) {
        const auto chain = SubBlocksSize(data, at + shape.fixed);
        if (!chain) return std::nullopt;
        size += *chain;
      }
      return GifBlock{shape.kind, at, size};
    }
    case kImageSeparator: {
      if (left < 11) return std::nullopt;
      const std::size_t fixed = 11 + ColorTableSize(data[at + 9]);
      if (fixed > left) return std::nullopt;
      const auto chain = SubBlocksSize(data, at + fixed);
      if (!chain) return std::nullopt;
      return GifBlock{GifBlockKind::kImage, at, fixed + *chain};
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

bool IsGif(std::span<const std::uint8_t> data) {
  return data.size() >= 6 &&
         (std::memcmp(data.data(), "GIF87a", 6) == 0 || std::memcmp(data.data(), "GIF89a", 6) == 0);
}

bool ReadGifHeader(std::span<const std::uint8_t> data, GifHeader& header) {
  if (!IsGif(data) || data.size() < kHeaderSize) return false;
  const std::size_t table = ColorTableSize(data[10]);
  if (data.size() < kHeaderSize + table) return false;
  header.width = Le16(data, 6);
  header.height = Le16(data, 8);
  header.size = kHeaderSize + table;
  header.background = 0xFFFFFF;
  const std::size_t entry = kHeaderSize + 3u * data[11];
  if (table != 0 && entry + 3 <= header.size) {
    header.background = data[entry] | data[entry + 1] << 8 | std::uint32_t{data[entry + 2]} << 16;
  }
  return true;
}

std::vector<GifBlock> WalkGifBlocks(std::span<const std::uint8_t> data, const GifHeader& header) {
  std::vector<GifBlock> blocks;
  std::size_t at = header.size;
  while (at < data.size()) {
    const auto block = BlockAt(data, at);
    if (!block) break;
    blocks.push_back(*block);
    if (block->kind == GifBlockKind::kTrailer) break;
    at += block->size;
  }
  return blocks;
}

}  // namespace brelfx
