// The firmware transfer, run on the upgrade program's transfer thread: open
// the update, announce the size, get the loader ready, then announce and send
// every block, and finish. Each command is confirmed by polling the update
// status; every pause is cut into 100 ms slices that end the transfer as soon
// as the stop flag is set, so the window thread can release the library
// right after the transfer has returned.
#pragma once

#include <atomic>

#include "device/zendrel_api.h"
#include "platform/clock.h"
#include "upgrade/firmware_image.h"
#include "upgrade/transfer_reports.h"

namespace brelfx {

constexpr int kMaxUpdatePolls = 20;
constexpr int kUpdatePauseSliceMs = 100;
constexpr int kPauseAfterStepMs = 500;  // after commands 0, 1 and 2, and inside 0 and 0x0F

// Pause before update status poll n (from 1).
int UpdatePollPauseMs(int poll);

class TransferProgress {
 public:
  virtual ~TransferProgress() = default;
  // Block `block` (from 0) was announced and sent, both confirmed.
  virtual void BlockSent(int block) = 0;
};

class FirmwareTransfer {
 public:
  FirmwareTransfer(const ZendrelApi& api, Clock& clock, const std::atomic<int>& stop)
      : api_(api), clock_(clock), stop_(stop) {}

  // True when every block reached the keyboard. An image without blocks is
  // refused before anything is sent. The finish command's answer does not
  // count: the loader starts the new firmware on it and need not answer, and
  // every block was already confirmed against its sum.
  bool Run(const FirmwareImage& image, TransferProgress& progress);

 private:
  // Sends the report, pausing after commands 0 and 0x0F, and polls; sends it
  // again for as long as the keyboard answers "send again".
  bool Send(const TransferReport& report);
  // Sends the report, then pauses before the next step.
  bool SendAndSettle(const TransferReport& report);
  // The final status of a command: done, send again, or 0 for a failure.
  int PollStatus();
  // ms/100 slices, each to its own deadline so a long transfer does not
  // drift; false when stopped.
  bool Pause(int ms);
  bool stopped() const { return stop_.load() != 0; }

  const ZendrelApi& api_;
  Clock& clock_;
  const std::atomic<int>& stop_;
};

}  // namespace brelfx
