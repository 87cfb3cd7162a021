// What the synchronisation sequences do outside the keyboard while they run
// as worker jobs: saving the profile files, publishing the block, telling the
// option window, the recorded-macro sound. Each is noted for the window
// thread instead of done, since the job's block is only a copy. The stamp and
// the firmware version in config.ini are written at once.
#pragma once

#include "device/device_sync.h"
#include "device/sync_store.h"
#include "monitor/keyboard/device_jobs.h"

namespace brelfx {

class DeferredSyncEffects final : public SyncStore {
 public:
  explicit DeferredSyncEffects(SyncStore& store) : store_(store) {}

  // The notifications to give the DeviceSync that runs the worker's jobs.
  SyncNotifications notifications();
  // Worker thread, after each job: what it asked for since the last call.
  JobOutcome Take();

  std::optional<SettingsStamp> ReadStamp() override { return store_.ReadStamp(); }
  void WriteStamp(const SettingsStamp& stamp) override { store_.WriteStamp(stamp); }
  void WriteFWVersion(int version) override { store_.WriteFWVersion(version); }
  void SaveProfiles(const SettingsBlock&) override { outcome_.saveProfiles = true; }

 private:
  SyncStore& store_;
  JobOutcome outcome_;  // worker thread only
};

}  // namespace brelfx
