// The monitor's files over the settings files of the program folder, the
// registry and the Talk registry file.
#pragma once

#include <string>

#include "monitor/monitor_files.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/settings_files.h"

namespace brelfx {

class SettingsFilesStore final : public MonitorFiles {
 public:
  // talkFolder: the folder of TConfig.ini.
  SettingsFilesStore(const std::string& programFolder, std::string talkFolder, FileSystem& fs,
                     Registry& registry, int systemLanguageId);

  void RegisterWithTalk() override;
  void LoadSettings(SettingsBlock& block) override;
  OSDSetting ReadOsdSetting() override { return files_.ReadOsdSetting(); }
  void WriteCurrentProfile(int index) override;
  void WriteDevice(int present) override;
  void SaveProfiles(const SettingsBlock& block) override;
  void WriteKeyboardRepeat(const ProfileRecord& profile) override;

  SettingsFiles& files() { return files_; }

 private:
  SettingsFiles files_;
  std::string talkFolder_;
  FileSystem& fs_;
  Registry& registry_;
};

}  // namespace brelfx
