#include "platform/win32/tray_icon.h"

#include <shellapi.h>

#include <cstring>

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
  return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

bool Win32TrayIcon::Remove() {
  NOTIFYICONDATAA data = Data();
  if (Shell_NotifyIconA(NIM_DELETE, &data)) return true;
  LogLastError("Shell_NotifyIcon(NIM_DELETE)");
  return false;
}

HICON SmallShellIconOfProgram() {
  char path[MAX_PATH];
  if (GetModuleFileNameA(nullptr, path, sizeof(path)) == 0) return nullptr;
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) == 0) {
    LogLastError("SHGetFileInfoA");
    return nullptr;
  }
  return info.hIcon;
}

}  // namespace brelfx
