#include "monitor/keyboard/sync_device_jobs.h"

#include "monitor/current_profile.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {
constexpr int kStepMacroRecorded = 3;
}  // namespace

JobOutcome SyncDeviceJobs::FullDeviceSync(SettingsBlock& settings) {
  sync_.FullDeviceSync(settings);
  if (trayTip_ != nullptr) trayTip_->Restore();
  return effects_.Take();
}

JobOutcome SyncDeviceJobs::LiveRecordingNotification(SettingsBlock& settings, std::uint16_t value) {
  const int step = value >> 8;
  if (step == kStepMacroRecorded) {
    sync_.FetchLiveRecordedMacro(settings, value);
    return effects_.Take();
  }
  int timer = 0;
  switch (step) {
    case 1:
      timer = kTimerRecordSelectKey;
      break;
    case 2:
      timer = kTimerRecordEnterMacro;
      break;
    case 4:
      timer = kTimerRecordAborted;
      break;
    case 5:
      timer = kTimerRecordKeyUnavailable;
      break;
    default:
      return {};
  }
  const ProfileRecord* profile = CurrentProfile(settings);
  if (profile != nullptr && profile->SoundLRecord == 1) announcements_.Announce(timer);
  return {};
}

}  // namespace brelfx
