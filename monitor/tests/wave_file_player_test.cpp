// Loading and volume scaling of the announcements, with the buffer and the
// playback of the sound seam recorded.
#include "monitor/sound/wave_file_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "monitor/sound/sound_table.h"
#include "monitor/sound/wave_image.h"
#include "settings/block_defaults.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A buffer of exactly the size asked for, so reading past a file image trips
// the address sanitizer.
class RecordingOutput final : public SoundOutput {
 public:
  void Purge() override { ++purges; }
  std::uint8_t* Buffer(std::size_t size) override {
    buffer.assign(size, 0xEE);
    return buffer.data();
  }
  void Play(std::size_t size) override {
    played.emplace_back(buffer.begin(), buffer.begin() + size);
  }

  int purges = 0;
  Bytes buffer;
  std::vector<Bytes> played;
};

void PutU32(Bytes& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Canonical mono 16-bit header claiming dataSize bytes, then the samples.
Bytes WaveImage(std::uint32_t dataSize, const std::vector<std::int16_t>& samples) {
  Bytes bytes{'R', 'I', 'F', 'F'};
  PutU32(bytes, 36 + dataSize);
  for (char c : std::string("WAVEfmt ")) bytes.push_back(static_cast<std::uint8_t>(c));
  PutU32(bytes, 16);
  PutU32(bytes, 0x00010001);  // PCM, one channel
  PutU32(bytes, 22050);
  PutU32(bytes, 44100);
  PutU32(bytes, 0x00100002);  // block align 2, 16 bits
  for (char c : std::string("data")) bytes.push_back(static_cast<std::uint8_t>(c));
  PutU32(bytes, dataSize);
  for (std::int16_t s : samples) {
    bytes.push_back(static_cast<std::uint8_t>(s & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  return bytes;
}

std::vector<std::int16_t> Samples(const Bytes& image) {
  std::vector<std::int16_t> samples;
  for (std::size_t i = kWaveHeaderSize; i + 1 < image.size(); i += 2) {
    samples.push_back(static_cast<std::int16_t>(image[i] | image[i + 1] << 8));
  }
  return samples;
}

std::uint32_t U32At(const Bytes& image, std::size_t offset) {
  return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 |
         static_cast<std::uint32_t>(image[offset + 3]) << 24;
}

class WaveFilePlayerTest : public ::testing::Test {
 protected:
  WaveFilePlayerTest() {
    ClearBlock(*settings);
    SetDefaults(*settings, 1033);
  }

  void WriteSound(int code, const Bytes& bytes) {
    test::WriteFileText(folder.Join(SoundFileName(code)), std::string(bytes.begin(), bytes.end()));
  }
  void SetVolume(int level) { settings->Profiles[0].SoundVolume = level; }

  std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
  test::TempFolder folder;
  RecordingOutput output;
  WaveFilePlayer player{*settings, output, folder.path()};
};

TEST_F(WaveFilePlayerTest, LevelOutsideTheScaleCountsAsTwo) {
  WriteSound(kSoundGo, WaveImage(10, {1000, -1000, 32767, -32768, 3}));
  SetVolume(9);
  player.Play(kSoundGo);
  ASSERT_EQ(output.played.size(), 1u);
  // × 0.7f, truncated toward zero.
  EXPECT_EQ(Samples(output.played[0]), (std::vector<std::int16_t>{700, -700, 22936, -22937, 2}));
  const Bytes header = WaveImage(10, {});
  EXPECT_TRUE(std::equal(header.begin(), header.end(), output.played[0].begin()));
}

TEST_F(WaveFilePlayerTest, LoudestLevelClipsAtFullScaleBothWays) {
  WriteSound(kSoundTrophy, WaveImage(12, {30000, -30000, 32767, -32768, 1000, -1}));
  SetVolume(4);
  player.Play(kSoundTrophy);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(Samples(output.played[0]),
            (std::vector<std::int16_t>{32767, -32767, 32767, -32767, 1100, -1}));
}

TEST_F(WaveFilePlayerTest, DataSizeBeyondTheFileStopsAtItsLastByte) {
  Bytes image = WaveImage(100000, {2000, -2000, 4000});
  image.push_back(0x7F);  // half a sample: left as it is
  WriteSound(kSoundTimerStopped, image);
  SetVolume(0);
  player.Play(kSoundTimerStopped);
  ASSERT_EQ(output.played.size(), 1u);
  const Bytes& played = output.played[0];
  ASSERT_EQ(played.size(), image.size());
  EXPECT_EQ(Samples(played), (std::vector<std::int16_t>{600, -600, 1200}));
  EXPECT_EQ(played.back(), 0x7F);
  // The header handed on no longer claims bytes the buffer does not hold.
  EXPECT_EQ(U32At(played, 40), image.size() - 44);
  EXPECT_EQ(U32At(played, 4), image.size() - 8);
}

TEST_F(WaveFilePlayerTest, SmallerDataSizeLeavesTheRestUnscaled) {
  WriteSound(kSoundGo, WaveImage(4, {1000, 1000, 1000}));
  SetVolume(1);
  player.Play(kSoundGo);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(Samples(output.played[0]), (std::vector<std::int16_t>{500, 500, 1000}));
}

TEST_F(WaveFilePlayerTest, NothingPlaysWithoutAWholeHeaderOrAFile) {
  Bytes shortImage = WaveImage(0, {});
  shortImage.pop_back();
  WriteSound(kSoundGo, shortImage);
  WriteSound(1, {});
  player.Play(kSoundGo);  // 43 bytes
  player.Play(1);         // empty
  player.Play(2);         // no file
  player.Play(7);         // no sound for this code
  EXPECT_TRUE(output.played.empty());
  // Each call still stopped what was playing before.
  EXPECT_EQ(output.purges, 4);
}

TEST_F(WaveFilePlayerTest, HeaderOnlyPlaysSilence) {
  WriteSound(kSoundGo, WaveImage(0, {}));
  player.Play(kSoundGo);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0].size(), 44u);
}

}  // namespace
}  // namespace brelfx
