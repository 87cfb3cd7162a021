// Finished worker jobs: the window thread alone writes the monitor's block,
// so what a job read from the keyboard reaches the block, the profile files
// and the shared section here.
#include "monitor/keyboard/job_settings_merge.h"
#include "monitor/monitor.h"
#include "monitor/timer_ids.h"
#include "platform/log.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

void Monitor::OnJobResults() {
  services_.timers.StopTimer(kTimerJobResults);
  for (const DeviceWorker::Result& result : worker_.TakeResults()) {
    if (result.generation == worker_.generation()) {
      KeepJobSettings(result);
      continue;
    }
    // An apply replaced the block while the job read an older copy: the
    // applied settings stand (on the keyboard, in the files the option
    // application wrote, in the shared block). What the job read may predate
    // the apply's writes, so it runs again on the applied settings.
    DebugLog("device job %d overtaken by an apply; run again\n", result.job);
    worker_.Post(result.job, result.value);
  }
}

void Monitor::KeepJobSettings(const DeviceWorker::Result& result) {
  SettingsBlock& local = settings_.local();
  MergeJobSettings(local, *result.posted, *result.settings);
  const JobOutcome& outcome = result.outcome;
  if (outcome.saveProfiles) services_.files.SaveProfiles(local);
  if (outcome.publish) settings_.Publish();
  if (outcome.notifyReloaded) settings_.NotifyOption(WM_SETTINGS_RELOADED);
  if (outcome.playRecordedMacroSound) features_.announcements.Announce(kTimerRecordSucceeded);
}

}  // namespace brelfx
