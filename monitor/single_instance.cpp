#include "monitor/single_instance.h"

#include "monitor/monitor_messages.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

bool OpenOptionRequested(const char* commandLine) {
  return commandLine != nullptr && commandLine[0] == '1';
}

bool BecomeTheMonitor(NamedMutex& instance, WindowMessenger& messenger, bool openOption) {
  if (instance.Create(kMonitorInstanceMutexName) != MutexCreation::kExisted) return true;
  instance.Close();
  if (openOption) {
    const WindowId running = messenger.FindByTitle(kMonitorWindowTitle);
    if (running != 0) messenger.Post(running, kWmCommand, ID_CONFIGURATION, 0);
  }
  return false;
}

}  // namespace brelfx
