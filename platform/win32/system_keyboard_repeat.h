// Keyboard delay and speed through SystemParametersInfoA, each change
// broadcast as WM_WININICHANGE.
#pragma once

#include "platform/system_keyboard_repeat.h"

namespace brelfx {

class Win32SystemKeyboardRepeat final : public SystemKeyboardRepeat {
 public:
  void Apply(int delay, int speed) override;
  bool Read(int& delay, int& speed) override;
};

}  // namespace brelfx
