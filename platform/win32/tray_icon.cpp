#include "platform/win32/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "platform/log.h"
#include "platform/win32/last_error.h"

namespace brelfx {

Win32TrayIcon::Win32TrayIcon(HWND window, UINT id, UINT callbackMessage, HICON icon,
                             std::string tip)
    : window_(window),
      id_(id),
      callbackMessage_(callbackMessage),
      icon_(icon),
      tip_(std::move(tip)) {}

NOTIFYICONDATAA Win32TrayIcon::Data() const {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = id_;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_;
  std::strncpy(data.szTip, tip_.c_str(), sizeof(data.szTip) - 1);
  return data;
}

bool Win32TrayIcon::Add() {
  NOTIFYICONDATAA data = Data();
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  if (shown_) DebugLog("tray icon added\n");
  return shown_;
}

bool Win32TrayIcon::Remove() {
  NOTIFYICONDATAA data = Data();
  shown_ = false;
  if (Shell_NotifyIconA(NIM_DELETE, &data)) return true;
  LogLastError("Shell_NotifyIcon(NIM_DELETE)");
  return false;
}

bool Win32TrayIcon::SetTip(const std::string& tip) {
  tip_ = tip;
  if (!shown_) return true;
  NOTIFYICONDATAA data = Data();
  data.uFlags = NIF_TIP;
  if (Shell_NotifyIconA(NIM_MODIFY, &data)) return true;
  LogLastError("Shell_NotifyIcon(NIM_MODIFY)");
  return false;
}

HICON SmallIconOfProgram() {
  // The icon is read from the program's own resources rather than asked of
  // the shell (SHGetFileInfo): the shell builds its whole image list for
  // that, 11 MB of memory under Wine, for the same picture.
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON,
                           GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
  if (icon == nullptr) {
    LogLastError("LoadImageA (program icon)");
    icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
  }
  return static_cast<HICON>(icon);
}

}  // namespace brelfx
