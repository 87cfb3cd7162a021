// The single values of config.ini that the option application and the
// monitor read and write outside Read all / Write all.
#include <string>

#include "settings/ini_file.h"
#include "settings/settings_files.h"

namespace brelfx {

bool SettingsFiles::WriteProfileTitle(int slotNumber, std::string_view title) {
  return IniFile(ConfigIniPath(), fs_)
      .WriteString("FileName", "Profile" + std::to_string(slotNumber), title);
}

bool SettingsFiles::WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) {
  return IniFile(ConfigIniPath(), fs_)
      .WriteStruct(kSettingSection, "InfoData", infoData, sizeof(infoData));
}

int SettingsFiles::ReadFWVersion() {
  return IniFile(ConfigIniPath(), fs_).ReadInt(kSettingSection, "FWVersion", 100);
}

bool SettingsFiles::WriteFWVersion(int version) {
  return IniFile(ConfigIniPath(), fs_).WriteInt(kSettingSection, "FWVersion", version);
}

bool SettingsFiles::WriteDevice(int present) {
  return IniFile(ConfigIniPath(), fs_).WriteInt(kSettingSection, "Device", present);
}

OSDSetting SettingsFiles::ReadOsdSetting() {
  OSDSetting setting{};
  IniFile(ConfigIniPath(), fs_).ReadStruct("OSDSetting", "config", &setting, sizeof(setting));
  return setting;
}

bool SettingsFiles::ReadSettingsStamp(SettingsStamp& stamp) {
  return IniFile(ConfigIniPath(), fs_).ReadStruct("HidAccessCode", "Code", &stamp, sizeof(stamp));
}

bool SettingsFiles::WriteSettingsStamp(const SettingsStamp& stamp) {
  return IniFile(ConfigIniPath(), fs_).WriteStruct("HidAccessCode", "Code", &stamp, sizeof(stamp));
}

}  // namespace brelfx
