// The quick-help channel: the text of the control under the mouse lives in
// one process-wide string, and the main window (recorded at its start) is
// told with WM_HELP_TEXT to show it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace brelfx {

std::string& CurrentHelpText();

// The main window records itself here when it initialises.
void SetHelpTextWindow(HWND mainWindow);

// Show: copy `text` into CurrentHelpText; hide: clear it. Either way post
// WM_HELP_TEXT (1 or 0) to the recorded main window, if any.
void PublishHelpText(std::string_view text, bool show);

// Mouse-over help of the controls that are not buttons: while the mouse
// moves over the control its text is published; the leave is tracked with
// TrackMouseEvent (hover time 1 ms).
class HoverHelp {
 public:
  void SetText(const std::string& text) { text_ = text; }
  const std::string& Text() const { return text_; }
  void OnMouseMove(HWND control);
  void OnMouseLeave() { tracking_ = false; }

 private:
  std::string text_;
  bool tracking_ = false;
};

// The registered "BitmapEdit_KillFocus" and "BitmapEdit_Change" messages.
// RegisterSkinMessages registers both at start-up; the getters register on
// first use as well.
void RegisterSkinMessages();
UINT BitmapEditKillFocusMessage();
UINT BitmapEditChangeMessage();

}  // namespace brelfx
