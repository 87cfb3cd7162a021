// What device synchronisation keeps on this computer: the settings stamp and
// the firmware version in config.ini, and the five profile files. The monitor
// plugs in its settings files; tests keep them in memory.
#pragma once

#include <optional>

#include "device/keyboard_state_reports.h"
#include "settings/settings_block.h"

namespace brelfx {

class SyncStore {
 public:
  virtual ~SyncStore() = default;

  // The stamp last written to the keyboard; nothing when none is stored or
  // the stored value is damaged.
  virtual std::optional<SettingsStamp> ReadStamp() = 0;
  virtual void WriteStamp(const SettingsStamp& stamp) = 0;
  // The keyboard's firmware version, 0 when it could not be read.
  virtual void WriteFWVersion(int version) = 0;
  // The five profiles into their profile files.
  virtual void SaveProfiles(const SettingsBlock& block) = 0;
};

}  // namespace brelfx
