// The monitor's tray icon is shown only while the keyboard is connected and
// no Talk hub has announced itself (the hub shows the devices then).
#pragma once

#include "monitor/keyboard/device_state.h"
#include "monitor/talk/talk_state.h"
#include "platform/tray_icon.h"

namespace brelfx {

class TrayIconState {
 public:
  TrayIconState(TrayIcon& icon, const DeviceState& deviceState, const TalkState& talk)
      : icon_(icon), deviceState_(deviceState), talk_(talk) {}

  // Adds the icon when it should be shown, removes it otherwise.
  void Update();
  // At shutdown.
  void Remove();

  bool shown() const { return shown_; }

 private:
  TrayIcon& icon_;
  const DeviceState& deviceState_;
  const TalkState& talk_;
  bool shown_ = false;
};

}  // namespace brelfx
