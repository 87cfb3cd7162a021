// The display program's other windows, known to the monitor by title: they
// exist so the monitor's shutdown finds every window it closes, and hold no
// content of their own.
#pragma once

#include "platform/win32/window.h"

namespace brelfx {

class CCompanionWnd final : public Window {
 public:
  // A hidden window with this title; false when it could not be made.
  bool Create(const char* title);
};

}  // namespace brelfx
