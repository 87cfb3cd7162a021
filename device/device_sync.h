// The sequences that keep the keyboard's five profiles and the monitor's
// local SettingsBlock in step: sending applied changes, restoring the
// keyboard's defaults, checking the settings stamp at connection, reading
// everything back, switching the active profile and fetching a macro that
// was recorded on the keyboard.
//
// Every pause honours worker cancel (through the ReportLink); a sequence that
// stops writes nothing more. The caller sends the host-state report after
// Send changes, Restore defaults, Full device sync and Switch profile.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "device/report_link.h"
#include "device/settings_stamp.h"
#include "device/sync_progress.h"
#include "device/sync_store.h"
#include "settings/settings_block.h"

namespace brelfx {

// What the rest of the monitor does when the local block took new settings
// from the keyboard. Empty functions are skipped.
struct SyncNotifications {
  std::function<void()> publish;         // local block → shared memory
  std::function<void()> notifyReloaded;  // WM_SETTINGS_RELOADED to the option window, if it runs
  std::function<void()> playRecordedMacroSound;
};

class DeviceSync {
 public:
  DeviceSync(ReportLink& link, SyncStore& store, WallClock wallClock,
             SyncNotifications notifications, SyncProgressObservers progress = {});

  // Window thread, on apply. Sends what the change flags call for (the flags
  // are left as they are: every apply brings a fresh block), then a new stamp
  // unless worker cancel was set — also after a failed macro write. Returns
  // the result of the last macro write (true when none was sent). Worker
  // cancel during the settings writes returns false; during the macros it
  // ends them with the result so far. The sending observer hears the count
  // of change writes plus the stamp, and each report as it is written.
  bool SendChanges(const SettingsBlock& block);

  // The keyboard restores its factory profiles; a new stamp when it confirms.
  bool RestoreDefaults();

  // Window thread, whenever the keyboard is opened: in step when the
  // keyboard's stamp equals the stored one byte for byte; not when either
  // can't be read.
  bool CheckStamp();
  bool inStep() const { return inStep_.load(); }

  // Device worker, job 2: firmware version, active profile, and — unless in
  // step — every profile report and macro. Clears the change area, makes a
  // new stamp (unless in step), saves the profile files and publishes. A
  // failed profile-select read or macro read saves nothing (the change area
  // is cleared all the same); worker cancel saves nothing either, except
  // between two profiles' macros, where what was read is kept, unstamped.
  // The reading observer hears each report read; the plan counts the macros
  // of the local block's macro keys until the key layers have been read.
  bool FullDeviceSync(SettingsBlock& block);

  // Device worker, job 3: makes the block's CurrentProfile the keyboard's.
  void SwitchProfile(const SettingsBlock& block);

  // Device worker, job 4: the keyboard finished recording a macro; the low
  // byte of the event value is the key index + 1. Read into the active
  // profile, then published, stamped, saved, and announced by its sound when
  // the profile asks for it. Nothing happens when three reads fail.
  void FetchLiveRecordedMacro(SettingsBlock& block, std::uint16_t eventValue);

  // Writes a stamp of the current time to the keyboard (whatever the keyboard
  // answers) and stores the same stamp in config.ini.
  void NewStamp();

 private:
  bool ReadProfileReports(SettingsBlock& block, ProgressCount& progress);
  bool ReadMacros(SettingsBlock& block, ProgressCount& progress);
  bool ReadMacroWithRetries(SettingsBlock& block, int slot, int key);
  void Notify(const std::function<void()>& notification);

  ReportLink& link_;
  SyncStore& store_;
  WallClock wallClock_;
  SyncNotifications notifications_;
  SyncProgressObservers progress_;
  std::atomic<bool> inStep_{false};  // set on the window thread, read by the worker
};

}  // namespace brelfx
