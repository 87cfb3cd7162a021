#include "option/skin/win32/help_text.h"

#include "option/skin/skin_messages.h"

namespace brelfx {
namespace {

HWND helpWindow = nullptr;

}  // namespace

std::string& CurrentHelpText() {
  static std::string text;
  return text;
}

void SetHelpTextWindow(HWND mainWindow) {
  helpWindow = mainWindow;
}

void PublishHelpText(std::string_view text, bool show) {
  if (show) {
    CurrentHelpText().assign(text);
  } else {
    CurrentHelpText().clear();
  }
  if (helpWindow) PostMessageA(helpWindow, WM_HELP_TEXT, show ? 1 : 0, 0);
}

void HoverHelp::OnMouseMove(HWND control) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = control;
    track.dwHoverTime = 1;
    tracking_ = TrackMouseEvent(&track) != FALSE;
  }
  if (text_ != CurrentHelpText()) PublishHelpText(text_, true);
}

UINT BitmapEditKillFocusMessage() {
  static const UINT message = RegisterWindowMessageA(kBitmapEditKillFocusName);
  return message;
}

UINT BitmapEditChangeMessage() {
  static const UINT message = RegisterWindowMessageA(kBitmapEditChangeName);
  return message;
}

void RegisterSkinMessages() {
  BitmapEditKillFocusMessage();
  BitmapEditChangeMessage();
}

}  // namespace brelfx
