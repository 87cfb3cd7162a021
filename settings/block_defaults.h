// Built-in defaults of the settings record, the change area and the change
// flags that tell the monitor what to send.
#pragma once

#include <cstdint>

#include "settings/settings_block.h"

namespace brelfx {

// The function code a new profile gives key index 0-57.
std::uint8_t DefaultFunctionCode(int keyIndex);

// CurrentProfile -1, MouseType 0, profiles and change area zeroed;
// WindowsProfile, QuickHelpLan and InfoData are left alone.
void ClearBlock(SettingsBlock& block);

// CurrentProfile 0, WindowsProfile -1, QuickHelpLan from the system language,
// every slot its profile defaults.
void SetDefaults(SettingsBlock& block, int systemLanguageId);

// Fills a profile with the built-in defaults of slot 0-4.
void SetProfileDefaults(ProfileRecord& profile, int slot);

void ClearChangeArea(SettingsBlock& block);

// Writes UpdateFlags of the edited block from its differences to the saved one.
void ComputeChangeFlags(const SettingsBlock& saved, SettingsBlock& edited);

// Windows language id → user-interface language index 0-16 (1, English, for
// every id without a translation).
int QuickHelpLanFromLanguageId(int languageId);

}  // namespace brelfx
