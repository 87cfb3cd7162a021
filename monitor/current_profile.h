// The profile every monitor handler reads: CurrentProfile of the local
// settings. A block that was cleared (CurrentProfile -1) has none.
#pragma once

#include "settings/settings_block.h"

namespace brelfx {

inline const ProfileRecord* CurrentProfile(const SettingsBlock& settings) {
  const int index = settings.CurrentProfile;
  if (index < 0 || index >= kProfileCount) return nullptr;
  return &settings.Profiles[index];
}

}  // namespace brelfx
