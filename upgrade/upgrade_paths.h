// Where the upgrade program finds its files: its own folder holds config.ini
// and the image; the monitor lives one folder up.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

constexpr const char* kUpgradeConfigName = "config.ini";
constexpr const char* kFirmwareSection = "Firmware";
constexpr const char* kImageNameKey = "Name";
constexpr const char* kMonitorProgramName = "BrelFXMonitor.EXE";

// The folder of a program path, with its trailing separator.
std::string FolderOf(std::string_view programPath);

// The image named in config.ini: a name without a backslash lies in the
// program's folder; an empty name stays empty (no image).
std::string FirmwareImagePath(std::string_view programFolder, std::string_view name);

// The monitor to start again: "<parent of the program's folder>\BrelFXMonitor.EXE".
std::string MonitorPathFor(std::string_view programPath);

}  // namespace brelfx
