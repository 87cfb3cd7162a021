// The files and registry values the monitor reads at start-up and writes
// while it runs.
#pragma once

#include "settings/osd_setting.h"
#include "settings/settings_block.h"

namespace brelfx {

class MonitorFiles {
 public:
  virtual ~MonitorFiles() = default;

  // Enters the keyboard in the Talk registry file shared by the device
  // programs, unless it is listed already.
  virtual void RegisterWithTalk() = 0;
  // config.ini and the five profile files (defaults for what is missing),
  // the active slot's key repeat from the registry.
  virtual void LoadSettings(SettingsBlock& block) = 0;

  // The on-screen display's settings in config.ini, all zero when missing.
  virtual OSDSetting ReadOsdSetting() = 0;

  // config.ini [Setting].
  virtual void WriteCurrentProfile(int index) = 0;
  virtual void WriteDevice(int present) = 0;
  // The five profiles into config\Default0.tkp … Default4.tkp.
  virtual void SaveProfiles(const SettingsBlock& block) = 0;
  // The profile's KBDelay and KBSpeed as the user's key repeat in the registry.
  virtual void WriteKeyboardRepeat(const ProfileRecord& profile) = 0;
};

}  // namespace brelfx
