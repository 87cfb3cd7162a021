// What the monitor knows of a Talk hub: its window, whether it has
// announced itself (the monitor's tray icon is hidden meanwhile), and the
// toggle flag that profile changes and applies clear.
#pragma once

#include <atomic>

#include "platform/window_messenger.h"

namespace brelfx {

struct TalkState {
  std::atomic<WindowId> hubWindow{0};
  std::atomic<int> active{0};
  std::atomic<int> toggle{0};
};

}  // namespace brelfx
