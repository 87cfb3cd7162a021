// The tray icon's tip while the worker reads the whole keyboard back
// ("Tarvek Brel FX: reading the keyboard 37%"), the plain tip again when it
// is done. The changes are queued to the tray thread like every other.
#pragma once

#include <string>

#include "monitor/keyboard/progress_throttle.h"
#include "platform/tray_icon.h"

namespace brelfx {

class SyncTrayTip {
 public:
  explicit SyncTrayTip(TrayIcon& tray) : tray_(tray) {}

  // Worker thread, as the sync reads.
  void Show(int done, int planned);
  // Worker thread, when the sync ended, however it ended.
  void Restore();

  static std::string Text(int percent);

 private:
  TrayIcon& tray_;
  ProgressThrottle throttle_;
  bool shown_ = false;
};

}  // namespace brelfx
