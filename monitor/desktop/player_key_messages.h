// Key messages posted straight to a player's window: the keys the players
// know, and the lParam Windows itself would give them.
#pragma once

#include <cstdint>

namespace brelfx {

constexpr unsigned int kWmKeyDown = 0x0100;
constexpr unsigned int kWmKeyUp = 0x0101;

struct PlayerKey {
  std::uint8_t virtualKey;
  std::uint8_t scanCode;
  bool extended;  // the arrows of the cursor block
};

constexpr PlayerKey kControlKey{0x11, 0x1D, false};
constexpr PlayerKey kRightKey{0x27, 0x4D, true};
constexpr PlayerKey kLeftKey{0x25, 0x4B, true};
constexpr PlayerKey kSpaceKey{0x20, 0x39, false};
constexpr PlayerKey kNKey{0x4E, 0x31, false};
constexpr PlayerKey kPKey{0x50, 0x19, false};
constexpr PlayerKey kSKey{0x53, 0x1F, false};

// Repeat count 1, the scan code in bits 16-23, bit 24 for an extended key,
// and for a key up the previous-state and transition bits 30 and 31.
std::uint32_t KeyMessageLParam(const PlayerKey& key, bool keyUp);

}  // namespace brelfx
