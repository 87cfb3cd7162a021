// Per-profile switches the keyboard keeps (key enables, illumination) and the
// active profile.
#pragma once

#include <span>

#include "device/report_frame.h"
#include "settings/settings_block.h"

namespace brelfx {

// Bit i of byte 3 set when ModifyKey value i (Tab, CapsLk, Left/Right Window,
// App Key, Left Shift) is 1.
Report BuildKeyEnableReport(const ProfileRecord& profile, int slot);
bool ParseKeyEnableReport(std::span<const std::uint8_t> report, SettingsBlock& block);

// Lighting of a profile. The keyboard calls the flow colour type 3; the
// block calls it 2. Only one LightInfo travels: the preset colour for single
// and flow colour, the custom colour otherwise; reading stores it into the
// preset colour when its index is 0-15, into the custom colour when above.
Report BuildIlluminationReport(const ProfileRecord& profile, int slot);
bool ParseIlluminationReport(std::span<const std::uint8_t> report, SettingsBlock& block);

// [0x05, 0x03, CurrentProfile]. A read naming a slot above 4 is ignored (and
// still a successful read).
Report BuildProfileSelectReport(const SettingsBlock& block);
bool ParseProfileSelectReport(std::span<const std::uint8_t> report, SettingsBlock& block);

}  // namespace brelfx
