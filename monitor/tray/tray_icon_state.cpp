#include "monitor/tray/tray_icon_state.h"

namespace brelfx {

void TrayIconState::Update() {
  if (deviceState_.load() == kDeviceConnected && talk_.active.load() == 0) {
    // Adding again is harmless (the shell refuses a second icon of the same
    // id) and puts the icon back after the shell lost it.
    if (icon_.Add()) shown_ = true;
  } else {
    Remove();
  }
}

void TrayIconState::Remove() {
  // Only an icon that is there is removed: deleting a missing icon is no
  // cheaper than deleting a real one in some shells.
  if (!shown_) return;
  icon_.Remove();
  shown_ = false;
}

}  // namespace brelfx
