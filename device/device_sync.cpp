#include "device/device_sync.h"

#include <utility>

#include "device/keyboard_reports.h"

namespace brelfx {

DeviceSync::DeviceSync(ReportLink& link, SyncStore& store, WallClock wallClock,
                       SyncNotifications notifications, SyncProgressObservers progress)
    : link_(link),
      store_(store),
      wallClock_(std::move(wallClock)),
      notifications_(std::move(notifications)),
      progress_(std::move(progress)) {}

bool DeviceSync::RestoreDefaults() {
  // Heard as an apply, like Send changes: the option window waits meanwhile.
  ProgressCount progress(progress_.sending, 2);
  if (!SendDefaultsCommand(link_)) return false;
  progress.Step();
  NewStamp();
  progress.Step();
  return true;
}

bool DeviceSync::CheckStamp() {
  bool inStep = false;
  if (const std::optional<SettingsStamp> keyboard = ReadStamp(link_)) {
    const std::optional<SettingsStamp> stored = store_.ReadStamp();
    inStep = stored && *stored == *keyboard;
  }
  inStep_ = inStep;
  return inStep;
}

void DeviceSync::SwitchProfile(const SettingsBlock& block) {
  SendProfileSelect(link_, block);
}

void DeviceSync::NewStamp() {
  const SettingsStamp stamp = MakeSettingsStamp(wallClock_());
  // A keyboard that missed the stamp differs from the stored one at the next
  // connection and is read back then, so the write's result does not matter.
  SendStamp(link_, stamp);
  store_.WriteStamp(stamp);
}

void DeviceSync::Notify(const std::function<void()>& notification) {
  if (notification) notification();
}

}  // namespace brelfx
