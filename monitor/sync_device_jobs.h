// The device jobs of the monitor over the synchronisation sequences: the
// worker's full read-back, profile switch and live-recording steps, and the
// stamp check when the keyboard is opened.
#pragma once

#include "device/device_sync.h"
#include "monitor/device_jobs.h"
#include "monitor/monitor_features.h"
#include "settings/settings_block.h"

namespace brelfx {

class SyncDeviceJobs final : public DeviceJobs {
 public:
  SyncDeviceJobs(DeviceSync& sync, SettingsBlock& settings, Announcements& announcements)
      : sync_(sync), settings_(settings), announcements_(announcements) {}

  void CheckStamp() override { sync_.CheckStamp(); }
  bool SendChanges() override { return sync_.SendChanges(settings_); }
  bool RestoreDefaults() override { return sync_.RestoreDefaults(); }
  bool FullDeviceSync() override { return sync_.FullDeviceSync(settings_); }
  void SwitchProfile() override { sync_.SwitchProfile(settings_); }
  // Steps 1, 2, 4 and 5 are spoken (when the profile's SoundLRecord is 1);
  // step 3 fetches the recorded macro, which announces itself when fetched.
  void LiveRecordingNotification(std::uint16_t value) override;

 private:
  DeviceSync& sync_;
  SettingsBlock& settings_;
  Announcements& announcements_;
};

}  // namespace brelfx
