// The device synchronisation sequences the monitor starts: the stamp check
// when the keyboard is opened (window thread) and the jobs of the worker
// thread. Every sequence honours worker cancel at its pauses.
#pragma once

#include <cstdint>

#include "settings/settings_block.h"

namespace brelfx {

// What a worker job leaves for the window thread to do. A job runs on its own
// copy of the settings; only the window thread, which owns the monitor's
// block, takes what the job read into the block, the files and the shared
// section.
struct JobOutcome {
  bool saveProfiles = false;
  bool publish = false;
  bool notifyReloaded = false;  // WM_SETTINGS_RELOADED to the option window
  bool playRecordedMacroSound = false;

  // The job read settings from the keyboard that the monitor keeps.
  bool keepsSettings() const { return saveProfiles || publish; }
};

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

  // Worker thread, each on the job's own copy of the settings. Job 2: reads
  // the keyboard's settings back unless it is in step.
  virtual JobOutcome FullDeviceSync(SettingsBlock& settings) = 0;
  // Job 3: selects CurrentProfile on the keyboard.
  virtual void SwitchProfile(const SettingsBlock& settings) = 0;
  // Job 4: a live-recording step (high byte) for a key number (low byte).
  virtual JobOutcome LiveRecordingNotification(SettingsBlock& settings, std::uint16_t value) = 0;
};

}  // namespace brelfx
