#include "monitor/settings_files_store.h"

#include "monitor/talk/talk_registration.h"
#include "platform/log.h"
#include "settings/ini_file.h"

namespace brelfx {

SettingsFilesStore::SettingsFilesStore(const std::string& programFolder, std::string talkFolder,
                                       FileSystem& fs, Registry& registry, int)
    : files_(programFolder, fs, registry),
      talkFolder_(std::move(talkFolder)),
      fs_(fs),
      registry_(registry) {}

void SettingsFilesStore::RegisterWithTalk() {
  if (!RegisterInTalkFile(fs_, talkFolder_))
    DebugLog("cannot register in %s\n", talkFolder_.c_str());
}

// Start-up. Temporary files of saves cut short go first. Read all runs even
// without config.ini: profile files copied in by hand or left by an earlier
// installation must survive the next apply. Only a missing or broken
// CurrentProfile is brought to profile 1, so every handler has a profile to
// read.
void SettingsFilesStore::LoadSettings(SettingsBlock& block) {
  files_.RemoveStaleTemporaryFiles();
  files_.ReadAll(block);
  if (block.CurrentProfile < 0 || block.CurrentProfile >= kProfileCount) block.CurrentProfile = 0;
}

void SettingsFilesStore::WriteCurrentProfile(int index) {
  IniFile(files_.ConfigIniPath(), fs_).WriteInt(kSettingSection, "CurrentProfile", index);
}

void SettingsFilesStore::WriteDevice(int present) {
  files_.WriteDevice(present);
}

void SettingsFilesStore::SaveProfiles(const SettingsBlock& block) {
  if (!files_.WriteProfileFiles(block)) DebugLog("WriteProfileFiles failed\n");
}

void SettingsFilesStore::WriteKeyboardRepeat(const ProfileRecord& profile) {
  brelfx::WriteKeyboardRepeat(registry_, profile);
}

}  // namespace brelfx
