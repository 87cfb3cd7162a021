#include "upgrade/firmware_transfer.h"

#include <iterator>

#include "device/zendrel_calls.h"

namespace brelfx {

int UpdatePollPauseMs(int poll) {
  constexpr int kFirstPauses[] = {100, 100, 200, 400, 600, 1500, 500};
  if (poll >= 1 && poll <= static_cast<int>(std::size(kFirstPauses))) return kFirstPauses[poll - 1];
  return 1500;
}

bool FirmwareTransfer::Run(const FirmwareImage& image, TransferProgress& progress) {
  if (image.blockCount() == 0) return false;
  if (!SendAndSettle(OpenUpdateReport()) || !SendAndSettle(ImageSizeReport(image.size)) ||
      !SendAndSettle(ReadyForBlocksReport()))
    return false;
  for (int i = 0; i < image.blockCount(); ++i) {
    if (!Send(BlockAnnouncementReport(i, image.sums[i])) || !Send(BlockDataReport(image.block(i))))
      return false;
    progress.BlockSent(i);
  }
  Send(FinishUpdateReport());
  return true;
}

bool FirmwareTransfer::SendAndSettle(const TransferReport& report) {
  return Send(report) && Pause(kPauseAfterStepMs);
}

bool FirmwareTransfer::Send(const TransferReport& report) {
  const bool pauseFirst = report[1] == kOpenUpdate || report[1] == kFinishUpdate;
  for (;;) {
    if (stopped()) return false;
    TransferReport buffer = report;  // the library may write into it
    if (!SetFeature(api_, buffer.data(), kTransferReportSize)) return false;
    if (pauseFirst && !Pause(kPauseAfterStepMs)) return false;
    const int status = PollStatus();
    if (status != kUpdateSendAgain) return status == kUpdateDone;
  }
}

int FirmwareTransfer::PollStatus() {
  for (int poll = 1; poll <= kMaxUpdatePolls; ++poll) {
    if (!Pause(UpdatePollPauseMs(poll))) return 0;
    std::uint8_t status[kUpdateStatusReportSize] = {kUpdateStatusReportId};
    if (!GetFeature(api_, status, kUpdateStatusReportSize)) return 0;
    if (status[1] != kUpdateBusy) return status[1];
  }
  return 0;  // busy at every poll
}

bool FirmwareTransfer::Pause(int ms) {
  const std::int64_t startUs = clock_.NowUs();
  for (int slice = 1; slice <= ms / kUpdatePauseSliceMs; ++slice) {
    if (stopped()) return false;
    clock_.SleepUntilUs(startUs + slice * kUpdatePauseSliceMs * std::int64_t{1000});
  }
  return !stopped();
}

}  // namespace brelfx
