// The device jobs of the monitor over the synchronisation sequences: the
// worker's full read-back, profile switch and live-recording steps, and the
// stamp check when the keyboard is opened.
#pragma once

#include "device/device_sync.h"
#include "monitor/keyboard/deferred_sync_effects.h"
#include "monitor/keyboard/device_jobs.h"
#include "monitor/monitor_features.h"
#include "monitor/tray/sync_tray_tip.h"
#include "settings/settings_block.h"

namespace brelfx {

class SyncDeviceJobs final : public DeviceJobs {
 public:
  // sync: runs with `effects` as its store and notifications. settings: the
  // window thread's block, which the apply writes from.
  // trayTip (may be null): what the sync's reading observer shows, restored
  // when a full sync ends.
  SyncDeviceJobs(DeviceSync& sync, DeferredSyncEffects& effects, const SettingsBlock& settings,
                 Announcements& announcements, SyncTrayTip* trayTip = nullptr)
      : sync_(sync),
        effects_(effects),
        settings_(settings),
        announcements_(announcements),
        trayTip_(trayTip) {}

  void CheckStamp() override { sync_.CheckStamp(); }
  bool SendChanges() override { return sync_.SendChanges(settings_); }
  bool RestoreDefaults() override { return sync_.RestoreDefaults(); }
  JobOutcome FullDeviceSync(SettingsBlock& settings) override;
  void SwitchProfile(const SettingsBlock& settings) override { sync_.SwitchProfile(settings); }
  // Steps 1, 2, 4 and 5 are spoken (when the profile's SoundLRecord is 1);
  // step 3 fetches the recorded macro, which announces itself when fetched.
  JobOutcome LiveRecordingNotification(SettingsBlock& settings, std::uint16_t value) override;

 private:
  DeviceSync& sync_;
  DeferredSyncEffects& effects_;
  const SettingsBlock& settings_;
  Announcements& announcements_;
  SyncTrayTip* trayTip_;
};

}  // namespace brelfx
