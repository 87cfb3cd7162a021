// Sound seam: one reusable block of memory holding a whole wave file image,
// and asynchronous playback from it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace brelfx {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Stops the sound that is playing; the buffer may be refilled afterwards.
  virtual void Purge() = 0;
  // The buffer, grown to at least size bytes (kept when it is large enough);
  // nullptr when it cannot be had.
  virtual std::uint8_t* Buffer(std::size_t size) = 0;
  // Starts playing the wave image in the first size bytes of the buffer and
  // returns at once.
  virtual void Play(std::size_t size) = 0;
};

}  // namespace brelfx
