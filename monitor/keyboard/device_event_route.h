// Which function of the monitor a keyboard event calls for. Out-of-range
// values (profile 0 or above 5, brightness 0 or above 6, key numbers above
// 48, media items outside 0x20-0x27) and unknown types call for none.
#pragma once

#include "monitor/keyboard/device_event.h"

namespace brelfx {

enum class DeviceAction {
  kNone,
  kProfileChange,      // value 1-5
  kLiveRecording,      // job 4 with the value, on the worker thread
  kQuickLaunch,        // key index item - 1, key down only
  kMediaKey,           // item 0x20-0x27 with its state
  kBrightnessChange,   // value 1-6
  kKeyFunction,        // programmable key, item 1-48, with the value
  kOpenConfiguration,  // value 1
  kUsageCounter,
  kTalkKey,
  kArrival,
  kRemoval,
};

DeviceAction RouteDeviceEvent(DeviceEvent event);

}  // namespace brelfx
