// The key repeat values Windows knows: delay 0-3 (250-1000 ms), speed 0-31.
// A profile without KBDelay or KBSpeed holds -1, which must never reach the
// system or the registry: the user keeps the repeat they have.
#pragma once

namespace brelfx {

constexpr int kHighestKeyboardDelay = 3;
constexpr int kHighestKeyboardSpeed = 31;

constexpr bool IsWindowsKeyboardDelay(int delay) { return delay >= 0 && delay <= kHighestKeyboardDelay; }
constexpr bool IsWindowsKeyboardSpeed(int speed) { return speed >= 0 && speed <= kHighestKeyboardSpeed; }

}  // namespace brelfx
