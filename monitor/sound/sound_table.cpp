#include "monitor/sound/sound_table.h"

#include <array>

namespace brelfx {
namespace {

constexpr std::array<SoundFile, 22> kSoundFiles{{
    {0, "go.wav"},
    {1, "1_second.wav"},
    {2, "2_seconds.wav"},
    {3, "3_seconds.wav"},
    {4, "4_seconds.wav"},
    {5, "5_seconds.wav"},
    {10, "10_seconds.wav"},
    {18, "timer_stopped.wav"},
    {19, "timer_activated.wav"},
    {40, "profile_one.wav"},
    {41, "profile_two.wav"},
    {42, "profile_three.wav"},
    {43, "profile_four.wav"},
    {44, "profile_five.wav"},
    {45, "windows_profile.wav"},
    {50, "macro-select-macro-key.wav"},
    {51, "macro-Enter-Macro-and-press.wav"},
    {52, "macro-recorded-successfully.wav"},
    {53, "macro-recording-aborted.wav"},
    {54, "macro-Key-not-available.wav"},
    {0x3C, "Trophy.wav"},
    {0x3D, "Every_Trophy.wav"},
}};

}  // namespace

const char* SoundFileName(int code) {
  for (const SoundFile& file : kSoundFiles) {
    if (file.code == code) return file.fileName;
  }
  return nullptr;
}

std::span<const SoundFile> SoundFiles() {
  return kSoundFiles;
}

}  // namespace brelfx
