// Blocks that differ from the built-in defaults exactly in what travels to the
// keyboard, one kind of report at a time: a block with the defaults that
// reads such settings back from the keyboard must end up equal to it.
#pragma once

#include "settings/settings_block.h"

namespace brelfx::test {

// Every profile's key-enable switches.
void AlterKeyEnables(SettingsBlock& block);
// Keys firstKey … firstKey+count-1 of every profile: standard functions,
// shortcuts, disabled keys and other codes in turn.
void AlterKeys(SettingsBlock& block, int firstKey, int count);
// Key index 56 of every profile.
void AlterCapsLock(SettingsBlock& block);
// Lighting of every profile; single, custom and flow colour in turn.
void AlterIllumination(SettingsBlock& block);
// Macros of 0, 1 and 500 actions on kAlteredMacroKeys of every profile.
void AlterMacros(SettingsBlock& block);
constexpr int kAlteredMacroKeys[] = {0, 17, 35};

// All of the above, and another active profile.
void AlterEverythingThatTravels(SettingsBlock& block);

}  // namespace brelfx::test
