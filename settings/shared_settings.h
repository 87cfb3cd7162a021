// The SettingsBlock in the named shared section: the monitor creates it, the
// option application opens it, and both move whole blocks under the mutex.
#pragma once

#include "platform/shared_memory.h"
#include "settings/settings_block.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

inline SharedOpenResult CreateSharedSettings(SharedMemory& memory) {
  return memory.Create(kSharedSettingsName, kSettingsMutexName, sizeof(SettingsBlock));
}

inline SharedOpenResult OpenSharedSettings(SharedMemory& memory) {
  return memory.Open(kSharedSettingsName, kSettingsMutexName, sizeof(SettingsBlock));
}

// False, with the destination untouched, when the copy could not be made.
inline bool CopyToShared(SharedMemory& memory, const SettingsBlock& block) {
  return memory.CopyTo(&block, sizeof(block));
}

inline bool CopyFromShared(SharedMemory& memory, SettingsBlock& block) {
  return memory.CopyFrom(&block, sizeof(block));
}

}  // namespace brelfx
