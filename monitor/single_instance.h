// One monitor per desktop: a second start only hands its request to open the
// option application to the running monitor, then ends.
#pragma once

#include "platform/named_mutex.h"
#include "platform/window_messenger.h"

namespace brelfx {

// "1" as the first character of the command line asks for the option
// application.
bool OpenOptionRequested(const char* commandLine);

// Program start: true when this process is the desktop's monitor (it keeps
// `instance` until it ends). Otherwise the running monitor is asked to open
// the option application when `openOption` is set, and false is returned.
bool BecomeTheMonitor(NamedMutex& instance, WindowMessenger& messenger, bool openOption);

}  // namespace brelfx
