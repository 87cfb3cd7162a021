#include "device/settings_files_sync_store.h"

#include "platform/log.h"

namespace brelfx {

std::optional<SettingsStamp> SettingsFilesSyncStore::ReadStamp() {
  SettingsStamp stamp;
  if (!files_.ReadSettingsStamp(stamp)) return std::nullopt;
  return stamp;
}

// A write that fails keeps the old files; there is no one to tell but the
// debugger, and a stamp that did not reach config.ini only makes the next
// connection read everything back.
void SettingsFilesSyncStore::WriteStamp(const SettingsStamp& stamp) {
  if (!files_.WriteSettingsStamp(stamp)) DebugLog("WriteSettingsStamp failed\n");
}

void SettingsFilesSyncStore::WriteFWVersion(int version) {
  if (!files_.WriteFWVersion(version)) DebugLog("WriteFWVersion failed\n");
}

void SettingsFilesSyncStore::SaveProfiles(const SettingsBlock& block) {
  if (!files_.WriteProfileFiles(block)) DebugLog("WriteProfileFiles failed\n");
}

}  // namespace brelfx
