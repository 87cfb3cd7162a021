#include "monitor/monitor.h"

#include "monitor/keyboard/device_event_route.h"
#include "monitor/monitor_messages.h"
#include "monitor/timer_ids.h"

namespace brelfx {

Monitor::Monitor(MonitorServices services, KeyboardLink& keyboard, MonitorSettingsLink& settings,
                 MonitorFeatureSet features)
    : services_(services),
      keyboard_(keyboard),
      settings_(settings),
      features_(features),
      tray_(services.tray, deviceState_, talk_),
      option_(services.messenger, services.shell),
      hostState_(keyboard.reports),
      worker_(features.jobs, hostState_, deviceState_, keyboard.workerFlags, settings.local(),
              [this] { services_.timers.StartTimer(kTimerJobResults, 0); }) {}

void Monitor::OnDeviceEvent(DeviceEvent event) {
  switch (RouteDeviceEvent(event)) {
    case DeviceAction::kProfileChange:
      OnProfileChanged(event.value);
      break;
    case DeviceAction::kBrightnessChange:
      OnBrightnessChanged(event.value);
      break;
    case DeviceAction::kLiveRecording:
      worker_.Post(kJobLiveRecording, event.value);
      break;
    case DeviceAction::kKeyFunction:
      features_.keys.OnKeyEvent(event.value);
      break;
    case DeviceAction::kOpenConfiguration:
      PostToSelf(kWmCommand, ID_CONFIGURATION);
      break;
    case DeviceAction::kArrival:
      OnArrival();
      break;
    case DeviceAction::kRemoval:
      OnRemoval();
      break;
    case DeviceAction::kUsageCounter:
      if (features_.counters) features_.counters->OnCounterEvent(event.type, event.value);
      break;
    case DeviceAction::kQuickLaunch:
      QuickLaunch(event.item() - 1);
      break;
    case DeviceAction::kMediaKey:
      if (features_.media) features_.media->OnMediaKey(event.item(), event.state());
      break;
    case DeviceAction::kTalkKey:
      if (talkLink_) talkLink_->OnTalkKey(event.value);
      break;
    case DeviceAction::kNone:
      break;
  }
}

void Monitor::SendTalkStatus(bool connected) {
  if (talkLink_) talkLink_->SendDeviceStatus(connected);
}

void Monitor::PostToSelf(unsigned int message, std::uintptr_t wParam) {
  services_.messenger.Post(window_, message, wParam, 0);
}

}  // namespace brelfx
