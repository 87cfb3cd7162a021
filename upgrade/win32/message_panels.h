// The upgrade program's message panels: borderless skinned pictures of
// 305 x 215 that carry their own wording, with OK (and CANCEL) and a close
// button. Each ends with IDOK for OK, IDCANCEL for CANCEL or the close button.
#pragma once

#include <windows.h>

namespace brelfx {

enum class UpgradePanel {
  kDriverUpdate,  // newer software is needed; OK
  kQuestion,      // update now? OK, CANCEL
  kSuccess,       // unplug and plug the keyboard again; OK
  kFailure,       // try again; OK
  kTooLarge,      // the failure panel worded for an image the keyboard cannot hold
};

// Shows the panel over `owner` (may be null) until it ends; its end code.
int ShowUpgradePanel(UpgradePanel panel, HWND owner);

}  // namespace brelfx
