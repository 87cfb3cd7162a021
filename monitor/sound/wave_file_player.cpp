#include "monitor/sound/wave_file_player.h"

#include <cstdio>
#include <memory>
#include <span>

#include "monitor/current_profile.h"
#include "monitor/sound/sound_table.h"
#include "monitor/sound/wave_image.h"
#include "platform/log.h"
#include "platform/path.h"

namespace brelfx {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Size of an open file; -1 when it cannot be told.
long FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(file);
  if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
  return size;
}

}  // namespace

WaveFilePlayer::WaveFilePlayer(const SettingsBlock& settings, SoundOutput& output,
                               std::string waveFolder)
    : settings_(settings), output_(output), waveFolder_(std::move(waveFolder)) {}

void WaveFilePlayer::Play(int soundCode) {
  output_.Purge();
  const char* fileName = SoundFileName(soundCode);
  if (fileName == nullptr) return;
  const ProfileRecord* profile = CurrentProfile(settings_);
  const float factor = VolumeFactor(profile ? profile->SoundVolume : 2);

  const std::string path = JoinPath(waveFolder_, fileName);
  UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    DebugLog("PlaySound: cannot open %s\n", path.c_str());
    return;
  }
  const long size = FileSize(file.get());
  // Shorter than the header: no data size to read, nothing to play.
  if (size < static_cast<long>(kWaveHeaderSize)) return;
  std::uint8_t* buffer = output_.Buffer(static_cast<std::size_t>(size));
  if (buffer == nullptr) return;
  // A file that shrank meanwhile plays what could be read.
  const std::size_t read = std::fread(buffer, 1, static_cast<std::size_t>(size), file.get());
  if (read < kWaveHeaderSize) return;

  std::span<std::uint8_t> image(buffer, read);
  ScaleWaveSamples(image, factor);
  ClampWaveSizes(image);
  output_.Play(read);
  // One line per sound: the only trace of an announcement on a machine
  // without speakers, or with the volume turned down.
  DebugLog("PlaySound: %s at factor %.1f\n", fileName, static_cast<double>(factor));
}

std::string WaveFolderOf(const std::string& programDirectory) {
  return JoinPath(JoinPath(programDirectory, "Wave"), "Volume");
}

}  // namespace brelfx
