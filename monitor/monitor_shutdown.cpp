// Window destruction: the keyboard is told the host functions stop, the
// option application closes, and the threads end before the library they
// call is unloaded.
#include "monitor/monitor.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {
constexpr int kThreadEndMs = 1000;
}  // namespace

void Monitor::Destroy() {
  if (!running_) {
    // A refused creation did nothing with the keyboard: only release.
    keyboard_.binding.Release();
    services_.settingsMutex.Close();
    return;
  }
  // A running job stops at its next pause, and no status poll of ours waits
  // on a keyboard that answers busy: the host state 0 is sent unconfirmed.
  keyboard_.workerFlags.CancelForGood();
  // First, so the shell's slow removal runs beside the other steps.
  tray_.Remove();
  hostState_.Send(0, settings_.local());

  features_.keys.ReleaseHeldKeys();
  services_.timers.StopTimer(kTimerForegroundWatch);
  services_.timers.StopTimer(kTimerFirstSync);
  services_.timers.StopTimer(kTimerJobResults);
  services_.timers.StopTimer(kTimerAmbientLight);
  for (int timer = kTimerProfileSound; timer <= kTimerTrophySound; ++timer)
    services_.timers.StopTimer(timer);

  option_.Close();
  CloseDisplay();

  worker_.Stop(kThreadEndMs);
  keyboard_.binding.Release();
  features_.player.Stop(kThreadEndMs);

  settings_.Close();
  services_.settingsMutex.Close();
  if (talkLink_) talkLink_->Stop();
}

}  // namespace brelfx
