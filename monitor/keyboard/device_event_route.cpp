#include "monitor/keyboard/device_event_route.h"

namespace brelfx {
namespace {

constexpr int kLastKeyItem = 48;

bool InRange(int value, int first, int last) {
  return value >= first && value <= last;
}

}  // namespace

DeviceAction RouteDeviceEvent(DeviceEvent event) {
  const int item = event.item();
  switch (event.type) {
    case kEventProfile:
      return InRange(event.value, 1, 5) ? DeviceAction::kProfileChange : DeviceAction::kNone;
    case kEventLiveRecording:
      return DeviceAction::kLiveRecording;
    case kEventQuickLaunch:
      return InRange(item, 1, kLastKeyItem) && event.state() == 0 ? DeviceAction::kQuickLaunch
                                                                  : DeviceAction::kNone;
    case kEventMedia:
      return InRange(item, 0x20, 0x27) ? DeviceAction::kMediaKey : DeviceAction::kNone;
    case kEventBrightness:
      return InRange(event.value, 1, 6) ? DeviceAction::kBrightnessChange : DeviceAction::kNone;
    case kEventProgrammableKey:
    case kEventProgrammableKeyB:
      return InRange(item, 1, kLastKeyItem) ? DeviceAction::kKeyFunction : DeviceAction::kNone;
    case kEventConfiguration:
      return event.value == 1 ? DeviceAction::kOpenConfiguration : DeviceAction::kNone;
    case kEventTalkKey:
      return DeviceAction::kTalkKey;
    case kEventPlug:
      if (event.value == kPlugArrived) return DeviceAction::kArrival;
      if (event.value == kPlugRemoved) return DeviceAction::kRemoval;
      return DeviceAction::kNone;
    default:
      return InRange(event.type, kEventUsageCounterFirst, kEventUsageCounterLast)
                 ? DeviceAction::kUsageCounter
                 : DeviceAction::kNone;
  }
}

}  // namespace brelfx
