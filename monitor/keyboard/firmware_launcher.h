// The firmware check when the keyboard is opened: when the firmware packaged
// with the programs differs from the keyboard's, the firmware upgrade program
// is started (argument "1" to upgrade, "0" to go back to an older version)
// and, once it runs, the monitor closes so it can have the keyboard.
#pragma once

#include <string>

#include "device/keyboard_reports.h"
#include "device/report_link.h"
#include "monitor/monitor_features.h"
#include "platform/file_system.h"
#include "platform/program_shell.h"

namespace brelfx {

class FirmwareLauncher final : public FirmwareCheck {
 public:
  // storeVersion keeps the keyboard's version (FWVersion), read or not.
  FirmwareLauncher(ReportLink& link, StoreFwVersion storeVersion, FileSystem& fs,
                   ProgramShell& shell, const std::string& programFolder);

  bool StartUpgradeIfNeeded() override;

 private:
  // Version of [Firmware] in FWUpdate\config.ini; -1 when the file or the
  // key is missing or holds no usable number.
  int PackagedVersion() const;

  ReportLink& link_;
  StoreFwVersion storeVersion_;
  FileSystem& fs_;
  ProgramShell& shell_;
  std::string firmwareFolder_;  // FWUpdate in the program folder
};

}  // namespace brelfx
