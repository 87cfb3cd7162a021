// Where the companion-device list is kept between runs: DeviceInfo.ini in
// the program folder, which the option application reads for its Talk menu.
#pragma once

#include "settings/companion_device.h"
#include "settings/settings_files.h"

namespace brelfx {

class DeviceListFile {
 public:
  virtual ~DeviceListFile() = default;
  virtual CompanionDeviceList Read() = 0;
  virtual bool Write(const CompanionDeviceList& list) = 0;
};

class DeviceInfoFile final : public DeviceListFile {
 public:
  explicit DeviceInfoFile(SettingsFiles& files) : files_(files) {}
  CompanionDeviceList Read() override { return files_.ReadDeviceList(); }
  bool Write(const CompanionDeviceList& list) override { return files_.WriteDeviceList(list); }

 private:
  SettingsFiles& files_;
};

}  // namespace brelfx
