// DeviceInfo.ini: [Setting] "Count" and one "Device%d" section per companion
// device with "VID", "PID", "Name" and "CPI 0" … "CPI 4".
#include <algorithm>
#include <string>

#include "settings/ini_file.h"
#include "settings/settings_files.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

std::string DeviceSection(int n) { return "Device" + std::to_string(n); }
std::string CpiKey(int step) { return "CPI " + std::to_string(step); }

}  // namespace

CompanionDeviceList SettingsFiles::ReadDeviceList() {
  CompanionDeviceList list{};
  IniDocument file;
  LoadIniDocument(fs_, DeviceInfoPath(), file);
  const int count = file.ReadInt(kSettingSection, "Count", 0);
  list.Count = std::clamp(count, 0, kMaxCompanionDevices);
  for (int n = 0; n < list.Count; ++n) {
    CompanionDevice& device = list.Devices[n];
    const std::string section = DeviceSection(n);
    device.VID = static_cast<std::uint16_t>(file.ReadInt(section, "VID", 0));
    device.PID = static_cast<std::uint16_t>(file.ReadInt(section, "PID", 0));
    SetTextField(device.Name, file.ReadString(section, "Name", ""));
    for (int step = 0; step < kCpiSteps; ++step)
      device.CPI[step] = file.ReadInt(section, CpiKey(step), 0);
  }
  return list;
}

bool SettingsFiles::WriteDeviceList(const CompanionDeviceList& list) {
  const auto lock = LockSettingsFileUpdates();
  IniDocument file;
  if (!LoadIniDocument(fs_, DeviceInfoPath(), file)) return false;
  const int count = ValidCount(list);
  file.WriteInt(kSettingSection, "Count", count);
  for (int n = 0; n < count; ++n) {
    const CompanionDevice& device = list.Devices[n];
    const std::string section = DeviceSection(n);
    file.WriteInt(section, "VID", device.VID);
    file.WriteInt(section, "PID", device.PID);
    file.WriteString(section, "Name", TextField(device.Name));
    for (int step = 0; step < kCpiSteps; ++step)
      file.WriteInt(section, CpiKey(step), device.CPI[step]);
  }
  return SaveIniDocument(fs_, DeviceInfoPath(), file);
}

}  // namespace brelfx
