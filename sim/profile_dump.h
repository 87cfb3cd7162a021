// Readable text of what the keyboard holds, for the control tool's dump.
#pragma once

#include <string>

#include "sim/keyboard_state.h"

namespace brelfx::sim {

// Plug state, versions, stamp, host-state, Talk state, ambient light, update
// loader, pending faults and listeners.
std::string DescribeKeyboard(const SimKeyboardState& state);

// One profile (slot 0-4): key enables, Caps Lock, lighting, the device code
// of every key by layer, shortcuts, and every macro that holds something.
std::string DescribeProfile(const SimKeyboardState& state, int slot);

}  // namespace brelfx::sim
