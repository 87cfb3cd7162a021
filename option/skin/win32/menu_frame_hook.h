// Draws the frame of every popup-menu window of the thread: a thread hook
// (WH_CALLWNDPROC) subclasses each window of class "#32768" when it is
// created or sized and paints its non-client frame in the menu colours.
// Install once at application start; the hook ends with the object.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"

namespace brelfx {

class MenuFrameHook {
 public:
  MenuFrameHook();
  ~MenuFrameHook();
  MenuFrameHook(const MenuFrameHook&) = delete;
  MenuFrameHook& operator=(const MenuFrameHook&) = delete;

  bool installed() const { return static_cast<bool>(hook_); }
  // Popup-menu windows subclassed right now.
  static std::size_t FramedMenuCount();

 private:
  UniqueHook hook_;
};

}  // namespace brelfx
