// The cancellable wait of device jobs: ms/100 slices of 100 ms through the
// clock (a pause below 100 ms does not wait), ending early as soon as the
// worker-cancel flag is set.
#pragma once

#include <atomic>

#include "platform/clock.h"

namespace brelfx {

constexpr int kPauseSliceMs = 100;

// False when worker cancel is set at its end (or stopped it early).
bool Pause(Clock& clock, const std::atomic<int>& workerCancel, int ms);

}  // namespace brelfx
