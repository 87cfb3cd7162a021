// The monitor's one local SettingsBlock and its exchange with the option
// application: the monitor creates the shared section, publishes its block
// into it, takes the block the option application published, and posts its
// notifications to the option window when that window exists.
#pragma once

#include <memory>

#include "platform/shared_memory.h"
#include "platform/window_messenger.h"
#include "settings/settings_block.h"

namespace brelfx {

class MonitorSettingsLink {
 public:
  MonitorSettingsLink(SharedMemory& shared, WindowMessenger& messenger);

  // Start-up: creates the section and its mutex. The section stays empty
  // until the first Publish.
  SharedOpenResult CreateShared();

  SettingsBlock& local() { return *local_; }

  // Shared memory → local block; false (local block unchanged) when the copy
  // could not be made.
  bool TakeFromShared();
  // Shared memory → the given block, the local one untouched; false when the
  // copy could not be made.
  bool ReadShared(SettingsBlock& block);
  // Local block → shared memory.
  bool Publish();
  // Posts one of the notifications (WM_SETTINGS_RELOADED …) to the option
  // window; false when it does not run.
  bool NotifyOption(unsigned int message);

  // At shutdown.
  void Close();

 private:
  SharedMemory& shared_;
  WindowMessenger& messenger_;
  std::unique_ptr<SettingsBlock> local_;  // 744,924 bytes: on the heap
};

}  // namespace brelfx
