// The settings files of the program folder: config.ini, the five profile
// files config\Default0.tkp … Default4.tkp and DeviceInfo.ini, plus the
// Windows key-repeat values in the registry. Every operation opens, reads or
// writes, and closes its files; nothing is cached.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/companion_device.h"
#include "settings/osd_setting.h"
#include "settings/settings_block.h"
#include "settings/settings_stamp.h"

namespace brelfx {

// The main section of config.ini and DeviceInfo.ini.
constexpr char kSettingSection[] = "Setting";

class SettingsFiles {
 public:
  SettingsFiles(std::string programFolder, FileSystem& fs, Registry& registry);

  std::string ConfigIniPath() const;
  std::string ProfileFilePath(int slot) const;  // slot 0-4
  std::string DeviceInfoPath() const;

  // Header and InfoData from config.ini, each slot from its profile file (its
  // defaults first, so a missing file or damaged struct value leaves the
  // slot's defaults), then the active slot's key repeat from the registry.
  // Always succeeds.
  bool ReadAll(SettingsBlock& block);
  // The active slot's key repeat to the registry, the header and InfoData to
  // config.ini, every slot to its profile file (config folder created when
  // missing). False when any file could not be written; those keep their
  // old content.
  bool WriteAll(const SettingsBlock& block);
  // Every slot to its profile file (config folder created when missing);
  // false when any could not be written.
  bool WriteProfileFiles(const SettingsBlock& block);
  // Start-up: temporary files of saves cut short, in the program folder and
  // the config folder.
  void RemoveStaleTemporaryFiles();

  // [FileName] "Profile%d" with the slot number 1-5.
  bool WriteProfileTitle(int slotNumber, std::string_view title);
  bool WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]);
  // Firmware version × 100; 100 when missing.
  int ReadFWVersion();
  bool WriteFWVersion(int version);
  // 1 keyboard present, 0 absent.
  bool WriteDevice(int present);
  // All zero when the key is missing or damaged.
  OSDSetting ReadOsdSetting();
  bool ReadSettingsStamp(SettingsStamp& stamp);
  bool WriteSettingsStamp(const SettingsStamp& stamp);

  // At most 100 entries; names cut to 19 characters.
  CompanionDeviceList ReadDeviceList();
  bool WriteDeviceList(const CompanionDeviceList& list);

 private:
  std::string folder_;
  FileSystem& fs_;
  Registry& registry_;
};

// The Windows key repeat (HKCU "Control Panel\Keyboard" KeyboardDelay and
// KeyboardSpeed) into the profile's KBDelay and KBSpeed, for the values that
// exist.
void ReadKeyboardRepeat(Registry& registry, ProfileRecord& profile);
bool WriteKeyboardRepeat(Registry& registry, const ProfileRecord& profile);

// True when the file can be opened for reading.
bool FileExists(FileSystem& fs, const std::string& path);

}  // namespace brelfx
