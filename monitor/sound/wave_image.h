// The announcements are canonical PCM wave files: a 44-byte header whose
// 32-bit little-endian value at byte 40 is the data size, then 16-bit signed
// samples. Volume scaling works on the whole file image in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace brelfx {

constexpr std::size_t kWaveHeaderSize = 44;

// Factor of a SoundVolume level 0-4 (0.3, 0.5, 0.7, 0.9, 1.1); any other
// level counts as 2.
float VolumeFactor(int soundVolume);

// Scales the samples of a file image in place: value × factor, truncated
// toward zero and clamped to ±32767. Takes the header's data size but never
// passes the end of the image. Images shorter than the header are left alone.
void ScaleWaveSamples(std::span<std::uint8_t> image, float factor);

// Lowers the RIFF size (byte 4) and data size (byte 40) of the header to what
// the image holds, so that the player of the system, which trusts them, never
// reads past the image.
void ClampWaveSizes(std::span<std::uint8_t> image);

}  // namespace brelfx
