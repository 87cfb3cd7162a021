#include "monitor/sound/wave_image.h"

#include <algorithm>
#include <array>

namespace brelfx {
namespace {

constexpr std::size_t kRiffSizeOffset = 4;
constexpr std::size_t kDataSizeOffset = 40;

std::uint32_t ReadU32(std::span<const std::uint8_t> image, std::size_t offset) {
  return static_cast<std::uint32_t>(image[offset]) |
         static_cast<std::uint32_t>(image[offset + 1]) << 8 |
         static_cast<std::uint32_t>(image[offset + 2]) << 16 |
         static_cast<std::uint32_t>(image[offset + 3]) << 24;
}

void WriteU32(std::span<std::uint8_t> image, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void LowerU32(std::span<std::uint8_t> image, std::size_t offset, std::size_t limit) {
  if (ReadU32(image, offset) > limit) WriteU32(image, offset, static_cast<std::uint32_t>(limit));
}

}  // namespace

float VolumeFactor(int soundVolume) {
  constexpr std::array<float, 5> kFactors{0.3f, 0.5f, 0.7f, 0.9f, 1.1f};
  if (soundVolume < 0 || soundVolume > 4) soundVolume = 2;
  return kFactors[soundVolume];
}

void ScaleWaveSamples(std::span<std::uint8_t> image, float factor) {
  if (image.size() < kWaveHeaderSize) return;
  const std::size_t claimed = ReadU32(image, kDataSizeOffset) / 2;
  const std::size_t held = (image.size() - kWaveHeaderSize) / 2;
  const std::size_t count = std::min(claimed, held);
  std::uint8_t* sample = image.data() + kWaveHeaderSize;
  for (std::size_t i = 0; i < count; ++i, sample += 2) {
    const auto value = static_cast<std::int16_t>(sample[0] | sample[1] << 8);
    // The conversion to int truncates toward zero; ±1.1 × 32768 still fits.
    const int scaled = std::clamp(static_cast<int>(value * factor), -32767, 32767);
    sample[0] = static_cast<std::uint8_t>(scaled & 0xFF);
    sample[1] = static_cast<std::uint8_t>((scaled >> 8) & 0xFF);
  }
}

void ClampWaveSizes(std::span<std::uint8_t> image) {
  if (image.size() < kWaveHeaderSize) return;
  LowerU32(image, kRiffSizeOffset, image.size() - 8);
  LowerU32(image, kDataSizeOffset, image.size() - kWaveHeaderSize);
}

}  // namespace brelfx
