#include "monitor/keyboard/device_event.h"

namespace brelfx {

DeviceEvent DecodeDeviceEventMessage(std::uintptr_t wParam, std::intptr_t lParam) {
  return {static_cast<std::uint16_t>(wParam & 0xFFFF),
          static_cast<std::uint16_t>(static_cast<std::uintptr_t>(lParam) & 0xFFFF)};
}

DeviceEvent DecodePlugMessage(std::uintptr_t wParam) {
  std::uint16_t value = kPlugUnknown;
  if (wParam == 1) value = kPlugArrived;
  if (wParam == 0) value = kPlugRemoved;
  return {kEventPlug, value};
}

}  // namespace brelfx
