// The Win32 adapters of playback: the locked sound buffer, PlaySound of every
// announcement, and the high-resolution wait.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "monitor/sound/sound_table.h"
#include "monitor/sound/wave_file_player.h"
#include "monitor/sound/wave_image.h"
#include "platform/path.h"
#include "platform/win32/high_resolution_clock.h"
#include "platform/win32/locked_sound_output.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

constexpr std::size_t page = 4096;  // the page size of x86-64 Windows

TEST(LockedSoundOutput, KeepsItsPageBlockUntilALargerFileComes) {
  LockedSoundOutput output;
  std::uint8_t* small = output.Buffer(100);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(small) % page, 0u);
  std::memset(small, 0x55, page);  // the whole page is there
  EXPECT_EQ(output.Buffer(page), small);
  EXPECT_EQ(output.Buffer(10), small);

  std::uint8_t* large = output.Buffer(3 * page + 1);
  ASSERT_NE(large, nullptr);
  std::memset(large, 0x66, 4 * page);
  EXPECT_EQ(output.Buffer(4 * page), large);
}

TEST(LockedSoundOutput, PlaysEveryAnnouncementFromItsBuffer) {
  auto settings = std::make_unique<SettingsBlock>();
  ClearBlock(*settings);
  SetDefaults(*settings, 1033);
  LockedSoundOutput output;
  WaveFilePlayer player(*settings, output, BRELFX_WAVE_DIR);
  for (const SoundFile& sound : SoundFiles()) player.Play(sound.code);

  // The buffer holds the last announcement, scaled to the profile's volume.
  const char* last = SoundFiles().back().fileName;
  std::ifstream file(JoinPath(BRELFX_WAVE_DIR, last), std::ios::binary);
  std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(file), {}};
  ASSERT_GT(expected.size(), 44u);
  ScaleWaveSamples(expected, VolumeFactor(settings->Profiles[0].SoundVolume));
  const std::uint8_t* buffer = output.Buffer(1);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer)) << last;
}

TEST(HighResolutionClock, NeverWakesBeforeTheDeadline) {
  HighResolutionClock clock;
  for (std::int64_t waitUs : {0, 150, 900, 1000, 1700, 4300, 12000}) {
    const std::int64_t deadline = clock.NowUs() + waitUs;
    clock.SleepUntilUs(deadline);
    EXPECT_GE(clock.NowUs(), deadline) << waitUs;
  }
  const std::int64_t before = clock.NowMs();
  clock.SleepMs(3);
  EXPECT_GE(clock.NowMs() - before, 3);
}

}  // namespace
}  // namespace brelfx
