// The firmware image as the keyboard's update loader takes it: the file's
// bytes unchanged, cut into 1,024-byte blocks (the last one padded with
// zeros), each with its block sum.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace brelfx {

constexpr int kFirmwareBlockSize = 1024;
constexpr int kMaxFirmwareBlocks = 200;  // all the loader holds
constexpr int kMaxFirmwareImageSize = kFirmwareBlockSize * kMaxFirmwareBlocks;

enum class ImageLoad {
  kLoaded,
  kUnreadable,  // no name, or the file cannot be opened or read
  kEmpty,       // nothing to send: the keyboard would keep its firmware
  kTooLarge,    // more than the loader holds
};

struct FirmwareImage {
  std::uint32_t size = 0;           // bytes in the file
  std::vector<std::uint8_t> bytes;  // blockCount() whole blocks
  std::vector<std::uint16_t> sums;  // one per block

  int blockCount() const { return static_cast<int>(sums.size()); }
  const std::uint8_t* block(int i) const { return bytes.data() + i * kFirmwareBlockSize; }
};

// Sum of a block's 1,024 bytes, modulo 65,536.
std::uint16_t FirmwareBlockSum(const std::uint8_t* block);

// Cuts the bytes into blocks; refuses an empty or too large image (the image
// then stays empty).
ImageLoad MakeFirmwareImage(std::string_view contents, FirmwareImage& image);

// Reads the whole file at `path` (empty: no image named) into `image`.
ImageLoad LoadFirmwareImage(FileSystem& fs, const std::string& path, FirmwareImage& image);

}  // namespace brelfx
