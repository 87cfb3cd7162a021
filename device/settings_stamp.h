// Making a settings stamp: the moment the keyboard and this computer were last
// brought in step, in seconds since 1970.
#pragma once

#include <cstdint>
#include <functional>

#include "device/keyboard_state_reports.h"

namespace brelfx {

// Seconds since 1970-01-01 00:00 UTC. Injected so that stamps made in tests
// are known in advance.
using WallClock = std::function<std::int64_t()>;

// The system's wall clock.
std::int64_t SystemSecondsSince1970();

// Bytes 0-3 the time as an unsigned 32-bit little-endian number, bytes 4-15 zero.
SettingsStamp MakeSettingsStamp(std::int64_t secondsSince1970);

}  // namespace brelfx
