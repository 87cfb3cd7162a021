// The dialog keys (option/skin/dialog/dialog_keys.h) applied to real windows:
// every modal skinned dialog runs its messages through this, and so can any
// window with a message loop of its own (the skin gallery).
#pragma once

#include <windows.h>

namespace brelfx {

// Who hears Enter and Escape when no control takes them.
class DialogKeyTarget {
 public:
  virtual void OnDialogOk() = 0;
  virtual void OnDialogCancel() = 0;

 protected:
  ~DialogKeyTarget() = default;
};

// Handles a key press for `root` (the dialog or page window) and its
// controls: Tab/Shift+Tab move the focus through the controls in window
// order, Enter clicks the focused button or tells `target` OK, Escape tells
// it Cancel. Returns true when the message was used and must not be
// dispatched. `target` may be null (a window without OK and Cancel).
bool HandleSkinDialogKey(HWND root, const MSG& message, DialogKeyTarget* target);

// Gives the focus to the first control of `root` that takes it.
void FocusFirstControl(HWND root);

}  // namespace brelfx
