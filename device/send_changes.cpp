// Send changes: the writes the change flags call for, each followed by the
// keyboard's settling pause, then the macros, then a new stamp.
#include "device/change_writes.h"
#include "device/device_sync.h"

namespace brelfx {

bool DeviceSync::SendChanges(const SettingsBlock& block) {
  bool macrosWritten = true;
  for (ChangeWrite& write : PlanChangeWrites(block)) {
    if (!write.macro) {
      // A failed settings write goes unnoticed; only macro writes count.
      link_.Write(std::move(write.report), write.firstPauseMs);
      if (!link_.Pause(write.pauseAfterMs)) return false;
      continue;
    }
    if (link_.cancelled() || !macrosWritten) break;
    macrosWritten = link_.Write(std::move(write.report), write.firstPauseMs);
  }
  // Also after a failed macro write; only worker cancel (the keyboard leaving,
  // the monitor closing) leaves the stamps as they were.
  if (!link_.cancelled()) NewStamp();
  return macrosWritten;
}

}  // namespace brelfx
