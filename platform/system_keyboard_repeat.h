// The system's keyboard repeat: delay before the first repeat (0-3) and
// repeat speed (0-31), applied at once and announced to every window.
#pragma once

namespace brelfx {

class SystemKeyboardRepeat {
 public:
  virtual ~SystemKeyboardRepeat() = default;
  // Failures are ignored: the user keeps the repeat the system has.
  virtual void Apply(int delay, int speed) = 0;
  // The values the system has now; false when it cannot tell.
  virtual bool Read(int& delay, int& speed) {
    (void)delay;
    (void)speed;
    return false;
  }
};

}  // namespace brelfx
