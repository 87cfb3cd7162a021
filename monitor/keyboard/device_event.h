// A keyboard event as the monitor dispatches it: the library's two messages
// (1325 key/profile/brightness events, 1326 plug events) become one 32-bit
// value, type in the high and value in the low 16 bits.
#pragma once

#include <cstdint>

namespace brelfx {

// Event types (high 16 bits).
constexpr std::uint16_t kEventProfile = 0x0200;  // value 1-5: profile switched on the keyboard
constexpr std::uint16_t kEventLiveRecording = 0x0400;  // high byte step, low byte key number
constexpr std::uint16_t kEventQuickLaunch = 0x0700;
constexpr std::uint16_t kEventMedia = 0x0B00;
constexpr std::uint16_t kEventBrightness = 0x0C00;  // value 1-6
constexpr std::uint16_t kEventProgrammableKey = 0x0D00;
constexpr std::uint16_t kEventProgrammableKeyB = 0x0E00;  // handled like 0x0D00
constexpr std::uint16_t kEventConfiguration = 0x1000;
constexpr std::uint16_t kEventUsageCounterFirst = 0xFA00;
constexpr std::uint16_t kEventUsageCounterLast = 0xFAFF;
constexpr std::uint16_t kEventTalkKey = 0xFF00;
constexpr std::uint16_t kEventPlug = 0x7F00;

// Values of plug events.
constexpr std::uint16_t kPlugUnknown = 0;
constexpr std::uint16_t kPlugArrived = 1;
constexpr std::uint16_t kPlugRemoved = 2;

struct DeviceEvent {
  std::uint16_t type = 0;
  std::uint16_t value = 0;

  // Key number (1-based), profile number or function number, by type.
  std::uint8_t item() const { return static_cast<std::uint8_t>(value & 0xFF); }
  // Key events: 0 the key went down, non-zero it went up.
  std::uint8_t state() const { return static_cast<std::uint8_t>(value >> 8); }
  std::uint32_t packed() const { return (std::uint32_t{type} << 16) | value; }
};

// WM_DEVICE_EVENT: type from the low 16 bits of wParam, value from those of lParam.
DeviceEvent DecodeDeviceEventMessage(std::uintptr_t wParam, std::intptr_t lParam);
// WM_DEVICE_PLUG: wParam 1 arrived, 0 removed, anything else value 0.
DeviceEvent DecodePlugMessage(std::uintptr_t wParam);

}  // namespace brelfx
