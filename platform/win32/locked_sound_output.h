// Sound output through PlaySound from memory. The wave image lives in one
// page-granular block locked in physical memory, so an asynchronous sound is
// never paged out under it; the block is reused for every sound and replaced
// only when a longer file comes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "platform/sound_output.h"

namespace brelfx {

class LockedSoundOutput final : public SoundOutput {
 public:
  LockedSoundOutput() = default;
  ~LockedSoundOutput() override;  // stops the sound and releases the block
  LockedSoundOutput(const LockedSoundOutput&) = delete;
  LockedSoundOutput& operator=(const LockedSoundOutput&) = delete;

  void Purge() override;
  std::uint8_t* Buffer(std::size_t size) override;
  void Play(std::size_t size) override;

 private:
  void Release();

  std::uint8_t* block_ = nullptr;
  std::size_t blockSize_ = 0;
};

}  // namespace brelfx
