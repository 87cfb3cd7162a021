// Sound codes and the wave files that speak them (in "Wave\Volume" of the
// program folder).
#pragma once

#include <span>

namespace brelfx {

constexpr int kSoundGo = 0;  // 1-5 and 10 speak that many seconds
constexpr int kSoundTenSeconds = 10;
constexpr int kSoundTimerStopped = 18;
constexpr int kSoundTimerActivated = 19;
constexpr int kSoundProfileOne = 40;  // 40-44: profile one to five
constexpr int kSoundWindowsProfile = 45;
constexpr int kSoundRecordSelectKey = 50;  // 50-54: live-recording steps
constexpr int kSoundTrophy = 0x3C;
constexpr int kSoundEveryTrophy = 0x3D;

struct SoundFile {
  int code;
  const char* fileName;
};

// File name of a sound code; nullptr for a code without a sound.
const char* SoundFileName(int code);

// The whole table, for the installer of the wave files and their checks.
std::span<const SoundFile> SoundFiles();

}  // namespace brelfx
