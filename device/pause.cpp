#include "device/pause.h"

namespace brelfx {

bool Pause(Clock& clock, const std::atomic<int>& workerCancel, int ms) {
  for (int slice = 0; slice < ms / kPauseSliceMs; ++slice) {
    if (workerCancel.load() != 0) return false;
    clock.SleepMs(kPauseSliceMs);
  }
  return workerCancel.load() == 0;
}

}  // namespace brelfx
