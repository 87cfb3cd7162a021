// Event types the keyboard posts with the event message (wParam the type,
// lParam the value). Key events carry the key item (key index + 1) in the low
// byte of the value and 0 (down) or 1 (up) in the high byte.
#pragma once

#include <cstdint>

namespace brelfx::sim {

enum DeviceEventType : std::uint16_t {
  kEventProfileChanged = 0x0200,  // value: profile 1-5
  kEventLiveRecording = 0x0400,   // value: step << 8 | key item
  kEventQuickLaunch = 0x0700,
  kEventMedia = 0x0B00,       // items 0x20-0x27
  kEventBrightness = 0x0C00,  // value: level 1-6
  kEventKey = 0x0D00,
  kEventKeyAlternate = 0x0E00,
  kEventConfiguration = 0x1000,  // value 1
  kEventCounterBase = 0xFA00,    // + counter 1-19; value: amount
  kEventTalkKey = 0xFF00,
};

constexpr std::uint16_t KeyEventValue(std::uint8_t item, bool up) {
  return static_cast<std::uint16_t>(item | (up ? 0x0100 : 0));
}

}  // namespace brelfx::sim
