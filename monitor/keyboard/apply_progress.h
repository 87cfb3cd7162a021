// Tells the option window how far an apply has come while its apply call
// waits for the keyboard: WM_APPLY_PROGRESS with the reports written and
// planned, posted as Send changes writes them (on the window thread).
#pragma once

#include "monitor/keyboard/progress_throttle.h"
#include "platform/window_messenger.h"

namespace brelfx {

class ApplyProgress {
 public:
  explicit ApplyProgress(WindowMessenger& messenger) : messenger_(messenger) {}

  void Report(int done, int planned);

 private:
  WindowMessenger& messenger_;
  ProgressThrottle throttle_;
};

}  // namespace brelfx
