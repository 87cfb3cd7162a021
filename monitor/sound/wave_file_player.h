// Plays the wave files of the sound table at the current profile's volume:
// the file is read whole into the sound buffer, its samples are scaled in
// place and the buffer is played asynchronously.
#pragma once

#include <string>

#include "monitor/sound/sound_player.h"
#include "platform/sound_output.h"
#include "settings/settings_block.h"

namespace brelfx {

class WaveFilePlayer final : public SoundPlayer {
 public:
  // waveFolder holds the wave files of the sound table.
  WaveFilePlayer(const SettingsBlock& settings, SoundOutput& output, std::string waveFolder);

  void Play(int soundCode) override;

 private:
  const SettingsBlock& settings_;
  SoundOutput& output_;
  std::string waveFolder_;
};

// "Wave\Volume" of the program directory.
std::string WaveFolderOf(const std::string& programDirectory);

}  // namespace brelfx
