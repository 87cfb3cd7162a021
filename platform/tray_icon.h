// Tray icon seam: the one notification-area icon of a program, with its
// icon, tip and callback message fixed when the adapter is made.
#pragma once

namespace brelfx {

class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  virtual bool Add() = 0;
  virtual bool Remove() = 0;
};

}  // namespace brelfx
