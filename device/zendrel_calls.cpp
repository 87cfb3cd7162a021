#include "device/zendrel_calls.h"

#include <utility>

namespace brelfx {
namespace {

template <typename Fn, typename... Args>
int CallIfBound(Fn entry, Args&&... args) {
  return entry ? entry(std::forward<Args>(args)...) : 0;
}

}  // namespace

int OpenDevMonitor(const ZendrelApi& api, void* window, unsigned int eventMessage,
                   unsigned int plugMessage) {
  return CallIfBound(api.Open_DevMonitor, window, eventMessage, plugMessage);
}
int CloseDevMonitor(const ZendrelApi& api) { return CallIfBound(api.Close_DevMonitor); }
int OpenFeatureDevice(const ZendrelApi& api) { return CallIfBound(api.Open_FeatureDevice); }
int CloseFeatureDevice(const ZendrelApi& api) { return CallIfBound(api.Close_FeatureDevice); }
int SetFeature(const ZendrelApi& api, unsigned char* buffer, int length) {
  return CallIfBound(api.SetFeature, buffer, length);
}
int GetFeature(const ZendrelApi& api, unsigned char* buffer, int length) {
  return CallIfBound(api.GetFeature, buffer, length);
}

}  // namespace brelfx
