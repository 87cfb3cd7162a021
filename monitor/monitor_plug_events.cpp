// The keyboard arriving and leaving. Only the feature channel follows the
// keyboard; the event channel stays open. Repeated arrivals while connected
// and removals while removed are ignored, so the wait and the sync run once
// per real arrival.
#include "device/zendrel_calls.h"
#include "monitor/monitor.h"
#include "monitor/monitor_messages.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {
// The keyboard needs this long after it appears before it answers reports.
constexpr int kArrivalSettleMs = 2000;
}  // namespace

void Monitor::OnArrival() {
  if (deviceState_.load() == kDeviceConnected) return;
  services_.clock.SleepMs(kArrivalSettleMs);
  deviceState_ = kDeviceConnected;
  SendTalkStatus(true);
  OpenFeatureDevice(keyboard_.binding.api());
  if (features_.firmware && features_.firmware->StartUpgradeIfNeeded()) {
    PostToSelf(kWmClose, 0);
    return;
  }
  features_.jobs.CheckStamp();
  worker_.Post(kJobFullSync, 0);
  tray_.Update();
  services_.files.WriteDevice(1);
  services_.timers.StartTimer(kTimerForegroundWatch, kForegroundWatchMs);
}

void Monitor::OnRemoval() {
  if (deviceState_.load() == kDeviceRemoved) return;
  deviceState_ = kDeviceRemoved;
  SendTalkStatus(false);
  CloseFeatureDevice(keyboard_.binding.api());
  keyboard_.workerFlags.Cancel();
  // The key that holds a shortcut will send no key-up any more.
  features_.keys.ReleaseHeldKeys();
  tray_.Update();
  services_.timers.StopTimer(kTimerForegroundWatch);
  services_.files.WriteDevice(0);
  option_.Close();
}

void Monitor::OnFirstSyncTimer() {
  services_.timers.StopTimer(kTimerFirstSync);
  worker_.Post(kJobFullSync, 0);
}

}  // namespace brelfx
