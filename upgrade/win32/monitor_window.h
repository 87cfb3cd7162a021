// The upgrade program and the monitor: the monitor must let go of the
// keyboard before a transfer, and runs again after a successful one.
#pragma once

#include <string>

namespace brelfx {

// Sends WM_CLOSE to a running monitor and waits for its handling (bounded),
// then gives it a second to let go of the keyboard.
void CloseMonitorWindow();
// Posts WM_CLOSE to a running monitor and returns at once.
void PostMonitorClose();
// Starts the monitor with the shell's "open" verb.
void StartMonitor(const std::string& path);

}  // namespace brelfx
