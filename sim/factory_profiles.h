// The profiles the keyboard ships with and returns to on the defaults command:
// the built-in profile defaults, translated into the keyboard's own terms.
#pragma once

#include "sim/keyboard_state.h"

namespace brelfx::sim {

// Factory profile of slot 0-4 (slot 0 for anything else).
const SimProfile& FactoryProfile(int slot);

// Factory state: plugged, profile 0 active, factory profiles, the given
// versions, no faults, no listeners, empty capture, idle update loader.
void ResetKeyboardState(SimKeyboardState& state);

// Profiles back to factory, as the defaults command does.
void RestoreFactoryProfiles(SimKeyboardState& state);

// Whether the record carries this build's layout (a shared section or state
// file from another build is reset before use).
bool IsCurrentLayout(const SimKeyboardState& state);

constexpr std::uint8_t kFactoryFirmwareVersion = 100;
constexpr std::uint8_t kFactoryLoaderVersion = 103;

}  // namespace brelfx::sim
