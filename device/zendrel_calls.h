// Calls into the HID access library through its table. An entry point that
// was not found is never called: the call fails (returns 0) instead.
#pragma once

#include "device/zendrel_api.h"

namespace brelfx {

int OpenDevMonitor(const ZendrelApi& api, void* window, unsigned int eventMessage,
                   unsigned int plugMessage);
int CloseDevMonitor(const ZendrelApi& api);
int OpenFeatureDevice(const ZendrelApi& api);
int CloseFeatureDevice(const ZendrelApi& api);
int SetFeature(const ZendrelApi& api, unsigned char* buffer, int length);
int GetFeature(const ZendrelApi& api, unsigned char* buffer, int length);

}  // namespace brelfx
