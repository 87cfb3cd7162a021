// The host-state report tells the keyboard whether the host software is
// running its functions: 1 after every job and apply, 0 at shutdown.
#pragma once

#include <cstdint>

#include "device/report_link.h"
#include "settings/settings_block.h"

namespace brelfx {

class HostStateReport {
 public:
  explicit HostStateReport(ReportLink& link) : link_(link) {}

  // Sleeps 100 ms, then writes [0x15, 0x03, v] (v 0 while the active
  // profile's MediaOption is 4). The settings are those of the calling
  // thread: the window thread's block, or a worker job's own copy.
  bool Send(std::uint8_t value, const SettingsBlock& settings);

 private:
  ReportLink& link_;
};

}  // namespace brelfx
