// The settings block as one JSON document (brelfx-config show --json); text
// fields converted from Windows-1252 to UTF-8.
#pragma once

#include <nlohmann/json.hpp>

#include "platform/keyboard_layout.h"
#include "settings/companion_device.h"
#include "settings/settings_block.h"

namespace brelfx::config_tool {

nlohmann::ordered_json BlockToJson(const SettingsBlock& block, const CompanionDeviceList& devices,
                                   const KeyboardLayout& layout);

}  // namespace brelfx::config_tool
