// The wave files made at build time: one for every sound code, each laid out
// exactly as the monitor reads it, and loud enough to be heard.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "monitor/sound/sound_table.h"
#include "monitor/sound/wave_image.h"
#include "platform/path.h"

namespace brelfx {
namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& image, std::size_t offset) {
  return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 |
         static_cast<std::uint32_t>(image[offset + 3]) << 24;
}

std::uint16_t U16At(const std::vector<std::uint8_t>& image, std::size_t offset) {
  return static_cast<std::uint16_t>(image[offset] | image[offset + 1] << 8);
}

TEST(AnnouncementFiles, EverySoundCodeHasACanonicalSpokenFile) {
  ASSERT_EQ(SoundFiles().size(), 22u);
  for (const SoundFile& sound : SoundFiles()) {
    SCOPED_TRACE(sound.fileName);
    std::ifstream file(JoinPath(BRELFX_WAVE_DIR, sound.fileName), std::ios::binary);
    ASSERT_TRUE(file) << "missing";
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(image.size(), kWaveHeaderSize);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(image.begin() + 8, image.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(U32At(image, 16), 16u);  // plain PCM format chunk
    EXPECT_EQ(U16At(image, 20), 1);    // PCM
    EXPECT_EQ(U16At(image, 22), 1);    // mono
    EXPECT_EQ(U16At(image, 34), 16);   // bits per sample
    EXPECT_EQ(std::string(image.begin() + 36, image.begin() + 40), "data");
    EXPECT_EQ(U32At(image, 40), image.size() - kWaveHeaderSize);
    EXPECT_EQ(U32At(image, 4), image.size() - 8);

    // Speech, not silence: a good part of full scale somewhere in the file.
    int peak = 0;
    for (std::size_t i = kWaveHeaderSize; i + 1 < image.size(); i += 2) {
      const int sample = static_cast<std::int16_t>(U16At(image, i));
      peak = std::max(peak, sample < 0 ? -sample : sample);
    }
    EXPECT_GT(peak, 16000);
  }
}

}  // namespace
}  // namespace brelfx
