// The stop flag set in every 100 ms slice of a transfer in turn: the
// transfer ends in that slice and makes no library call after it; it fails
// unless every block was in and only the finish was still being answered.
#include <gtest/gtest.h>

#include "upgrade/tests/transfer_rig.h"

namespace brelfx {
namespace {

using test::ImageBytes;
using test::TransferRig;

TEST(TransferCancelSweep, EveryPauseAndPollStopsWithinItsSlice) {
  const std::string bytes = ImageBytes(2 * 1024 + 5);
  int slices = 0;
  {
    TransferRig reference;
    ASSERT_TRUE(reference.Run(bytes));
    slices = reference.clock.sleepCount();
    ASSERT_EQ(slices, reference.clock.NowMs() / kUpdatePauseSliceMs);
  }
  for (int stopAt = 1; stopAt <= slices; ++stopAt) {
    TransferRig rig;
    int sleeps = 0;
    int callsAtStop = -1;
    bool finishSent = false;
    std::int64_t stoppedAtMs = -1;
    rig.clock.onSleep = [&](std::int64_t now) {
      if (++sleeps != stopAt) return;
      rig.stop = 1;
      callsAtStop = rig.Calls();
      finishSent = rig.Sent().back()[1] == kFinishUpdate;
      stoppedAtMs = now;
    };
    EXPECT_EQ(rig.Run(bytes), finishSent) << "stopped in slice " << stopAt;
    EXPECT_EQ(rig.Calls(), callsAtStop) << "library used after the stop, slice " << stopAt;
    EXPECT_LE(rig.clock.NowMs() - stoppedAtMs, kUpdatePauseSliceMs) << "slice " << stopAt;
    EXPECT_EQ(rig.state->Firmware.CompletedUpdates, finishSent ? 1u : 0u);
  }
}

}  // namespace
}  // namespace brelfx
