// The host-state report tells the keyboard whether the host software is
// running its functions: 1 after every job and apply, 0 at shutdown.
#pragma once

#include <cstdint>

#include "device/report_link.h"
#include "settings/settings_block.h"

namespace brelfx {

class HostStateReport {
 public:
  HostStateReport(ReportLink& link, const SettingsBlock& settings)
      : link_(link), settings_(settings) {}

  // Sleeps 100 ms, then writes [0x15, 0x03, v] (v 0 while the active
  // profile's MediaOption is 4).
  bool Send(std::uint8_t value);

 private:
  ReportLink& link_;
  const SettingsBlock& settings_;
};

}  // namespace brelfx
