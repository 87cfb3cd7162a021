// Plays announcements by sound code. The countdown and the announcement queue
// talk to this interface; WaveFilePlayer is the real one.
#pragma once

namespace brelfx {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Stops what is playing and starts the sound of the code; a code without a
  // sound, or a file that cannot be read, plays nothing.
  virtual void Play(int soundCode) = 0;
};

}  // namespace brelfx
