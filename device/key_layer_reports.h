// Key assignments as the keyboard stores them: the five key-layer reports
// (function code, modifier and usage byte per key) and the Caps Lock report.
//
// The software marks a key that keeps its factory meaning with 0xEF; the
// keyboard only knows concrete codes, so sending replaces 0xEF by the key's
// own code and reading maps that code back to 0xEF. A shortcut (0xB8) is kept
// in the block as a one-action macro: action 0 = (usage, modifier mask).
#pragma once

#include <span>

#include "device/report_frame.h"
#include "device/report_ids.h"
#include "settings/settings_block.h"

namespace brelfx {

Report BuildKeyLayerReport(const KeyLayer& layer, const ProfileRecord& profile, int slot);

// Stores the report's keys into the profile named by its byte 2. False, with
// the block unchanged, for a wrong length or a profile byte above 4.
bool ParseKeyLayerReport(const KeyLayer& layer, std::span<const std::uint8_t> report,
                         SettingsBlock& block);

Report BuildCapsLockReport(const ProfileRecord& profile, int slot);
bool ParseCapsLockReport(std::span<const std::uint8_t> report, SettingsBlock& block);

}  // namespace brelfx
