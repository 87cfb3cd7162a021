// The monitor's SyncStore: the settings files of the program folder.
#pragma once

#include "device/sync_store.h"
#include "settings/settings_files.h"

namespace brelfx {

class SettingsFilesSyncStore final : public SyncStore {
 public:
  explicit SettingsFilesSyncStore(SettingsFiles& files) : files_(files) {}

  // [HidAccessCode] Code of config.ini.
  std::optional<SettingsStamp> ReadStamp() override;
  void WriteStamp(const SettingsStamp& stamp) override;
  // [Setting] FWVersion of config.ini.
  void WriteFWVersion(int version) override;
  // config\Default0.tkp … Default4.tkp.
  void SaveProfiles(const SettingsBlock& block) override;

 private:
  SettingsFiles& files_;
};

}  // namespace brelfx
