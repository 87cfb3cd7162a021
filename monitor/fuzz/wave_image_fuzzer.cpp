// Volume scaling and header clamping of an arbitrary file image: never a read
// or write outside the image, never a sample of -32768 where it scaled, and a
// header that afterwards claims no more than the image holds.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

#include "monitor/sound/wave_image.h"

namespace {

std::uint32_t U32At(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int level = static_cast<int>(data[0] % 8) - 1;  // -1 … 6: the scale and beyond
  ++data;
  --size;
  // An exact-size copy, so the sanitizer sees the first byte past the image.
  auto image = std::make_unique<std::uint8_t[]>(size);
  if (size > 0) std::memcpy(image.get(), data, size);
  std::span<std::uint8_t> span(image.get(), size);

  brelfx::ScaleWaveSamples(span, brelfx::VolumeFactor(level));
  if (size >= brelfx::kWaveHeaderSize) {
    const std::size_t scaled =
        std::min<std::size_t>(U32At(data + 40) / 2, (size - brelfx::kWaveHeaderSize) / 2);
    for (std::size_t i = 0; i < scaled; ++i) {
      const std::uint8_t* sample = image.get() + brelfx::kWaveHeaderSize + 2 * i;
      if (static_cast<std::int16_t>(sample[0] | sample[1] << 8) == -32768) std::abort();
    }
  }

  brelfx::ClampWaveSizes(span);
  if (size >= brelfx::kWaveHeaderSize) {
    if (U32At(image.get() + 40) > size - brelfx::kWaveHeaderSize) std::abort();
    if (U32At(image.get() + 4) > size - 8) std::abort();
  }
  return 0;
}
