#include "settings/monitor_settings_link.h"

#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"

namespace brelfx {

MonitorSettingsLink::MonitorSettingsLink(SharedMemory& shared, WindowMessenger& messenger)
    : shared_(shared), messenger_(messenger), local_(std::make_unique<SettingsBlock>()) {}

SharedOpenResult MonitorSettingsLink::CreateShared() {
  return CreateSharedSettings(shared_);
}

bool MonitorSettingsLink::TakeFromShared() {
  return CopyFromShared(shared_, *local_);
}

bool MonitorSettingsLink::ReadShared(SettingsBlock& block) {
  return CopyFromShared(shared_, block);
}

bool MonitorSettingsLink::Publish() {
  return CopyToShared(shared_, *local_);
}

bool MonitorSettingsLink::NotifyOption(unsigned int message) {
  const WindowId option = messenger_.FindByTitle(kOptionWindowTitle);
  return option != 0 && messenger_.Post(option, message, 0, 0);
}

void MonitorSettingsLink::Close() {
  shared_.Close();
}

}  // namespace brelfx
