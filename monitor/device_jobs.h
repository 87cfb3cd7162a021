// The device synchronisation sequences the monitor starts: the stamp check
// when the keyboard is opened (window thread) and the jobs of the worker
// thread. Every sequence honours worker cancel at its pauses.
#pragma once

#include <cstdint>

namespace brelfx {

class DeviceJobs {
 public:
  virtual ~DeviceJobs() = default;

  // Window thread, each time the feature channel was opened: compares the
  // keyboard's settings stamp with the stored one.
  virtual void CheckStamp() = 0;

  // Window thread, on an apply from the option application: writes what the
  // change flags of the local block call for, or restores the keyboard's
  // factory profiles.
  virtual bool SendChanges() = 0;
  virtual bool RestoreDefaults() = 0;

  // Worker thread. Job 2: reads the keyboard's settings back unless it is in
  // step; false when it failed or was cancelled.
  virtual bool FullDeviceSync() = 0;
  // Job 3: selects CurrentProfile on the keyboard.
  virtual void SwitchProfile() = 0;
  // Job 4: a live-recording step (high byte) for a key number (low byte).
  virtual void LiveRecordingNotification(std::uint16_t value) = 0;
};

}  // namespace brelfx
