// FindWindowA / GetWindow / SetForegroundWindow over the desktop's windows.
#pragma once

#include "platform/desktop_windows.h"

namespace brelfx {

class Win32DesktopWindows final : public DesktopWindows {
 public:
  WindowId FindByClass(const char* className, const char* title) override;
  WindowId Next(WindowId window) override;
  std::string ClassName(WindowId window) override;
  std::string Title(WindowId window) override;
  void BringToForeground(WindowId window) override;
};

}  // namespace brelfx
