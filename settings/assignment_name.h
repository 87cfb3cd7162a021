// The text the option application shows for a key's assignment.
#pragma once

#include <string>

#include "platform/keyboard_layout.h"
#include "settings/companion_device.h"
#include "settings/settings_block.h"

namespace brelfx {

// Name of the standard function (code 0xEF) of key index 0-57: the key's
// factory meaning; empty for index 57 and indices out of range.
std::string StandardFunctionName(int keyIndex, const KeyboardLayout& layout);

// Display text of an assignment; companion-device names and CPI values come
// from the device list; empty for function codes without a text.
std::string DisplayName(const KeyAssignment& assignment, const CompanionDeviceList& devices,
                        const KeyboardLayout& layout);

}  // namespace brelfx
