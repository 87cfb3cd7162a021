// Desktop seam: other programs' top-level windows found by class, walked in
// the system's z-order, and brought to the user.
#pragma once

#include <string>

#include "platform/window_messenger.h"

namespace brelfx {

class DesktopWindows {
 public:
  virtual ~DesktopWindows() = default;
  // The first top-level window of the class whose title is `title` (any
  // title when null), or 0.
  virtual WindowId FindByClass(const char* className, const char* title) = 0;
  // The top-level window after this one in z-order, or 0 at the end.
  virtual WindowId Next(WindowId window) = 0;
  virtual std::string ClassName(WindowId window) = 0;
  virtual std::string Title(WindowId window) = 0;
  // Makes the window the foreground one even when this program is not in
  // front (the input of the foreground thread is lent for the moment).
  virtual void BringToForeground(WindowId window) = 0;
};

}  // namespace brelfx
