#include "upgrade/firmware_image.h"

#include <cstring>

namespace brelfx {

std::uint16_t FirmwareBlockSum(const std::uint8_t* block) {
  std::uint16_t sum = 0;
  for (int i = 0; i < kFirmwareBlockSize; ++i) sum = static_cast<std::uint16_t>(sum + block[i]);
  return sum;
}

ImageLoad MakeFirmwareImage(std::string_view contents, FirmwareImage& image) {
  image = FirmwareImage{};
  if (contents.empty()) return ImageLoad::kEmpty;
  if (contents.size() > static_cast<std::size_t>(kMaxFirmwareImageSize))
    return ImageLoad::kTooLarge;
  const int blocks =
      static_cast<int>((contents.size() + kFirmwareBlockSize - 1) / kFirmwareBlockSize);
  image.size = static_cast<std::uint32_t>(contents.size());
  image.bytes.assign(static_cast<std::size_t>(blocks) * kFirmwareBlockSize, 0);
  std::memcpy(image.bytes.data(), contents.data(), contents.size());
  for (int i = 0; i < blocks; ++i) image.sums.push_back(FirmwareBlockSum(image.block(i)));
  return ImageLoad::kLoaded;
}

ImageLoad LoadFirmwareImage(FileSystem& fs, const std::string& path, FirmwareImage& image) {
  image = FirmwareImage{};
  std::string contents;
  if (path.empty() || fs.Kind(path) != PathKind::kFile || !fs.ReadFile(path, contents))
    return ImageLoad::kUnreadable;
  return MakeFirmwareImage(contents, image);
}

}  // namespace brelfx
