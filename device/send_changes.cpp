// Send changes: the writes the change flags call for, each followed by the
// keyboard's settling pause, then the macros, then a new stamp.
#include "device/change_writes.h"
#include "device/device_sync.h"

namespace brelfx {

bool DeviceSync::SendChanges(const SettingsBlock& block) {
  std::vector<ChangeWrite> writes = PlanChangeWrites(block);
  ProgressCount progress(progress_.sending, static_cast<int>(writes.size()) + 1);
  bool macrosWritten = true;
  for (ChangeWrite& write : writes) {
    if (!write.macro) {
      // A failed settings write goes unnoticed; only macro writes count.
      link_.Write(std::move(write.report), write.firstPauseMs);
      progress.Step();
      if (!link_.Pause(write.pauseAfterMs)) return false;
      continue;
    }
    if (link_.cancelled() || !macrosWritten) break;
    macrosWritten = link_.Write(std::move(write.report), write.firstPauseMs);
    progress.Step();
  }
  // Also after a failed macro write; only worker cancel (the keyboard leaving,
  // the monitor closing) leaves the stamps as they were.
  if (!link_.cancelled()) {
    NewStamp();
    progress.Step();
  }
  return macrosWritten;
}

}  // namespace brelfx
