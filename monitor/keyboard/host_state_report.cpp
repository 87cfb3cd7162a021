#include "monitor/keyboard/host_state_report.h"

#include "device/keyboard_reports.h"

namespace brelfx {

bool HostStateReport::Send(std::uint8_t value, const SettingsBlock& settings) {
  return SendHostState(link_, settings, value);
}

}  // namespace brelfx
