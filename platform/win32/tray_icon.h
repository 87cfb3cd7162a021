// The program's notification-area icon through Shell_NotifyIconA.
#pragma once

#include <windows.h>

#include <string>

#include "platform/tray_icon.h"

namespace brelfx {

class Win32TrayIcon final : public TrayIcon {
 public:
  // The icon reports mouse messages to `window` as `callbackMessage`.
  Win32TrayIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, std::string tip);
  bool Add() override;
  bool Remove() override;
  bool SetTip(const std::string& tip) override;

 private:
  NOTIFYICONDATAA Data() const;

  HWND window_;
  UINT id_;
  UINT callbackMessage_;
  HICON icon_;
  std::string tip_;
  bool shown_ = false;  // a tip of an icon not shown waits for the next Add
};

// The small icon the shell shows for the running executable: its first icon
// resource at the small-icon size (the system's default application icon
// when it has none). Destroy it with DestroyIcon.
HICON SmallIconOfProgram();

}  // namespace brelfx
