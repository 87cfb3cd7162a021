// The transfer thread stopped while a transfer runs on the real clock: the
// stop returns within a slice, and the library, released right after, is
// never called again.
#include "upgrade/transfer_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "upgrade/tests/transfer_rig.h"

namespace brelfx {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Entry points that count the calls made after the library was released.
std::atomic<bool> released{false};
std::atomic<int> callsAfterRelease{0};
std::atomic<int> calls{0};
const ZendrelApi* simApi = nullptr;

int CountedSet(unsigned char* buffer, int length) {
  ++calls;
  if (released) return ++callsAfterRelease, 0;
  return simApi->SetFeature(buffer, length);
}
int CountedGet(unsigned char* buffer, int length) {
  ++calls;
  if (released) return ++callsAfterRelease, 0;
  return simApi->GetFeature(buffer, length);
}

TEST(TransferWorker, StopDuringATransferEndsItBeforeTheLibraryGoes) {
  test::TransferRig rig;  // its keyboard; the transfer below runs on the real clock
  simApi = &rig.binding.api();
  ZendrelApi counted;
  counted.SetFeature = CountedSet;
  counted.GetFeature = CountedGet;
  FirmwareImage image;
  ASSERT_EQ(MakeFirmwareImage(test::ImageBytes(3000), image), ImageLoad::kLoaded);

  std::atomic<int> transfers{0};
  std::unique_ptr<FirmwareTransfer> transfer;
  test::RecordedProgress progress;
  TransferWorker worker([&] {
    transfer->Run(image, progress);
    ++transfers;
  });
  transfer = std::make_unique<FirmwareTransfer>(counted, SystemClock(), worker.stopFlag());
  worker.Signal();
  const auto deadline = SteadyClock::now() + std::chrono::seconds(5);
  while (calls < 3 && SteadyClock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_GE(calls, 3);  // inside the size announcement's pause or poll

  const auto stopStart = SteadyClock::now();
  ASSERT_TRUE(worker.Stop(2000));
  EXPECT_LT(SteadyClock::now() - stopStart, std::chrono::milliseconds(kUpdatePauseSliceMs + 50));
  released = true;
  EXPECT_EQ(transfers, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(callsAfterRelease, 0);
  EXPECT_TRUE(progress.blocks.empty());
}

TEST(TransferWorker, OneTransferPerSignal) {
  std::atomic<int> transfers{0};
  std::atomic<bool> hold{true};
  TransferWorker worker([&] {
    ++transfers;
    while (hold) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  });
  worker.Signal();
  while (transfers == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  worker.Signal();  // taken while the first runs: one more
  worker.Signal();  // not counted twice: the signal was already set
  hold = false;
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(transfers, 2);
  EXPECT_TRUE(worker.Stop(1000));
}

}  // namespace
}  // namespace brelfx
