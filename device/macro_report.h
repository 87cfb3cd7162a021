// One key's macro as the keyboard stores it (report 0x0E): repeat count, three
// names of at most 24 characters, and up to 500 actions.
#pragma once

#include <span>

#include "device/report_frame.h"
#include "settings/settings_block.h"

namespace brelfx {

// The macro of key index `key` (0-35) of the profile in `slot`. A block entry
// claiming more than 500 actions sends the 500 the entry can hold.
Report BuildMacroReport(const ProfileRecord& profile, int slot, int key);

// Stores the macro into the entry named by bytes 3 (profile) and 4 (key).
// False, with the block unchanged, for a wrong length, a profile above 4, a
// key index outside the block or an action count above 500 (more actions than
// the entry has room for).
bool ParseMacroReport(std::span<const std::uint8_t> report, SettingsBlock& block);

}  // namespace brelfx
