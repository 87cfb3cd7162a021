// The on-screen display program: told when the profile or brightness
// changed (it reads both from the shared block), closed with the monitor.
#include "monitor/monitor.h"
#include "monitor/monitor_messages.h"

namespace brelfx {

void Monitor::NotifyDisplay(unsigned int message) {
  const WindowId window = services_.messenger.FindByTitle(kOsdWindowTitle);
  if (window != 0) services_.messenger.Post(window, message, 0, 0);
}

void Monitor::CloseDisplay() {
  for (const char* title : kOsdWindowTitles) {
    const WindowId window = services_.messenger.FindByTitle(title);
    if (window != 0) services_.messenger.Post(window, kWmClose, 0, 0);
  }
}

}  // namespace brelfx
