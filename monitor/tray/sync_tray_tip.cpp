#include "monitor/tray/sync_tray_tip.h"

#include "monitor/monitor_messages.h"

namespace brelfx {

void SyncTrayTip::Show(int done, int planned) {
  if (!throttle_.Pass(done, planned)) return;
  tray_.SetTip(Text(ProgressThrottle::Percent(done, planned)));
  shown_ = true;
}

void SyncTrayTip::Restore() {
  if (!shown_) return;
  tray_.SetTip(kTrayTip);
  shown_ = false;
}

std::string SyncTrayTip::Text(int percent) {
  return std::string(kTrayTip) + ": reading the keyboard " + std::to_string(percent) + "%";
}

}  // namespace brelfx
