// The functions of the programmable keys (device events 0x0D00 and 0x0E00):
// the item byte of the event value names the key (key index + 1), the state
// byte tells down (0) from up; the key's assignment in the current profile
// decides what happens.
#pragma once

#include <cstdint>

#include "monitor/sound/countdown.h"
#include "monitor/playback/player_thread.h"
#include "monitor/playback/shortcut_keys.h"
#include "settings/settings_block.h"

namespace brelfx {

constexpr std::uint8_t kFnStopTimer = 0xBD;

class KeyFunctions {
 public:
  KeyFunctions(const SettingsBlock& settings, ShortcutKeys& shortcuts, Countdown& countdown,
               PlayerThread& player);

  void OnKeyEvent(std::uint16_t value);

 private:
  const SettingsBlock& settings_;
  ShortcutKeys& shortcuts_;
  Countdown& countdown_;
  PlayerThread& player_;
};

}  // namespace brelfx
