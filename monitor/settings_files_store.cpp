#include "monitor/settings_files_store.h"

#include "monitor/talk_registration.h"
#include "platform/log.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"

namespace brelfx {

SettingsFilesStore::SettingsFilesStore(const std::string& programFolder, std::string talkFolder,
                                       FileSystem& fs, Registry& registry, int systemLanguageId)
    : files_(programFolder, fs, registry),
      talkFolder_(std::move(talkFolder)),
      fs_(fs),
      registry_(registry),
      systemLanguageId_(systemLanguageId) {}

void SettingsFilesStore::RegisterWithTalk() {
  if (!RegisterInTalkFile(fs_, talkFolder_))
    DebugLog("cannot register in %s\n", talkFolder_.c_str());
}

void SettingsFilesStore::LoadSettings(SettingsBlock& block) {
  // Without config.ini nothing was ever saved here: the built-in defaults,
  // with profile 1 current, rather than a block without a current profile.
  if (!FileExists(fs_, files_.ConfigIniPath())) {
    SetDefaults(block, systemLanguageId_);
    return;
  }
  files_.ReadAll(block);
}

void SettingsFilesStore::WriteCurrentProfile(int index) {
  IniFile(files_.ConfigIniPath(), fs_).WriteInt(kSettingSection, "CurrentProfile", index);
}

void SettingsFilesStore::WriteDevice(int present) {
  files_.WriteDevice(present);
}

void SettingsFilesStore::WriteKeyboardRepeat(const ProfileRecord& profile) {
  brelfx::WriteKeyboardRepeat(registry_, profile);
}

}  // namespace brelfx
