// Window destruction: the keyboard is told the host functions stop, the
// option application closes, and the threads end before the library they
// call is unloaded.
#include "monitor/monitor.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {
constexpr int kThreadEndMs = 1000;
// Removing a tray icon can take the shell seconds (Wine hides its own tray
// window then, which without a window manager takes 2 s): it runs beside the
// other steps and is waited for in its place.
constexpr int kTrayRemovalMs = 5000;
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
  BackgroundThread trayRemoval;
  const bool removing = trayRemoval.Start([this] { tray_.Remove(); });
  hostState_.Send(0, settings_.local());

  services_.timers.StopTimer(kTimerForegroundWatch);
  services_.timers.StopTimer(kTimerFirstSync);
  services_.timers.StopTimer(kTimerJobResults);
  services_.timers.StopTimer(kTimerAmbientLight);
  for (int timer = kTimerProfileSound; timer <= kTimerTrophySound; ++timer)
    services_.timers.StopTimer(timer);

  option_.Close();

  worker_.Stop(kThreadEndMs);
  keyboard_.binding.Release();
  features_.player.Stop(kThreadEndMs);

  settings_.Close();
  services_.settingsMutex.Close();

  if (!removing) tray_.Remove();
  trayRemoval.EndWithin(kTrayRemovalMs);
  SendTalkStatus(false);
}

}  // namespace brelfx
