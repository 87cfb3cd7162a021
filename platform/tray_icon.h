// Tray icon seam: the one notification-area icon of a program, with its
// icon and callback message fixed when the adapter is made.
#pragma once

#include <string>

namespace brelfx {

class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  virtual bool Add() = 0;
  virtual bool Remove() = 0;
  // The text shown when the pointer rests on the icon, now if it is shown,
  // and at every later Add.
  virtual bool SetTip(const std::string& tip) = 0;
};

}  // namespace brelfx
