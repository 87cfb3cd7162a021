#include "sim/firmware_loader.h"

#include <cstring>

#include "sim/report_layout.h"

namespace brelfx::sim {
namespace {

// Any command may come again after the status asked for it (status 4), so
// every step also accepts a repeat of itself.

bool CodeMatches(const std::uint8_t* at, const std::uint8_t* code, std::size_t size) {
  return std::memcmp(at, code, size) == 0;
}

bool Open(SimFirmwareTransfer& loader, const std::uint8_t* r) {
  if (!CodeMatches(r + 4, kLoaderStartCode, sizeof(kLoaderStartCode))) return false;
  loader.Stage = kLoaderOpened;
  loader.ImageSize = 0;
  loader.BlocksReceived = 0;
  return true;
}

bool AnnounceSize(SimFirmwareTransfer& loader, const std::uint8_t* r) {
  const std::uint32_t size = ReadU32(r + 4);
  const bool sizing = loader.Stage == kLoaderOpened || loader.Stage == kLoaderSized;
  if (!sizing || size > kFirmwareImageSize ||
      !CodeMatches(r + 8, kLoaderTransferCode, sizeof(kLoaderTransferCode)))
    return false;
  loader.ImageSize = size;
  loader.Stage = kLoaderSized;
  return true;
}

bool Ready(SimFirmwareTransfer& loader, const std::uint8_t* r) {
  const bool again = loader.Stage == kLoaderReceiving && loader.BlocksReceived == 0;
  if ((loader.Stage != kLoaderSized && !again) || r[4] != kLoaderReadyCode) return false;
  std::memset(loader.Image, 0, sizeof(loader.Image));
  loader.BlocksReceived = 0;
  loader.Stage = kLoaderReceiving;
  return true;
}

// Blocks come in order.
bool AnnounceBlock(SimFirmwareTransfer& loader, const std::uint8_t* r) {
  const std::uint16_t block = ReadU16(r + 4);
  const bool inTransfer = loader.Stage == kLoaderReceiving || loader.Stage == kLoaderBlockAnnounced;
  if (!inTransfer || block != loader.BlocksReceived ||
      block >= FirmwareBlockCount(loader.ImageSize) ||
      !CodeMatches(r + 8, kLoaderTransferCode, sizeof(kLoaderTransferCode)))
    return false;
  loader.AnnouncedBlock = block;
  loader.AnnouncedSum = ReadU16(r + 6);
  loader.Stage = kLoaderBlockAnnounced;
  return true;
}

bool TakeBlock(SimFirmwareTransfer& loader, const std::uint8_t* r, int refusedBlock) {
  const bool again = loader.Stage == kLoaderReceiving && loader.BlocksReceived > 0 &&
                     loader.BlocksReceived == loader.AnnouncedBlock + 1;
  if (loader.Stage != kLoaderBlockAnnounced && !again) return false;
  loader.Stage = kLoaderReceiving;  // a refused block must be announced again
  const std::uint8_t* data = r + 2;
  if (ReportChecksum(data, kFirmwareBlockSize) != loader.AnnouncedSum) return false;
  if (loader.AnnouncedBlock == refusedBlock) return false;
  std::memcpy(loader.Image + loader.AnnouncedBlock * kFirmwareBlockSize, data, kFirmwareBlockSize);
  loader.BlocksReceived = static_cast<std::uint16_t>(loader.AnnouncedBlock + 1);
  return true;
}

bool Finish(SimFirmwareTransfer& loader) {
  const bool complete = loader.Stage == kLoaderReceiving &&
                        loader.BlocksReceived == FirmwareBlockCount(loader.ImageSize);
  loader.Stage = kLoaderIdle;
  if (complete) ++loader.CompletedUpdates;
  return complete;
}

}  // namespace

int FirmwareBlockCount(std::uint32_t imageSize) {
  return static_cast<int>((imageSize + kFirmwareBlockSize - 1) / kFirmwareBlockSize);
}

std::uint8_t FirmwareVersionOfImage(const SimFirmwareTransfer& loader, std::uint8_t current) {
  const bool marked = loader.ImageSize > kTestImageVersionOffset &&
                      CodeMatches(loader.Image, kTestImageMark, sizeof(kTestImageMark));
  return marked ? loader.Image[kTestImageVersionOffset] : current;
}

std::uint8_t ReceiveFirmwareReport(SimFirmwareTransfer& loader, const std::uint8_t* r,
                                   int refusedBlock) {
  bool ok = false;
  switch (r[1]) {
    case kLoaderOpen:
      ok = Open(loader, r);
      break;
    case kLoaderSize:
      ok = AnnounceSize(loader, r);
      break;
    case kLoaderReady:
      ok = Ready(loader, r);
      break;
    case kLoaderAnnounceBlock:
      ok = AnnounceBlock(loader, r);
      break;
    case kLoaderBlockData:
      ok = TakeBlock(loader, r, refusedBlock);
      break;
    case kLoaderFinish:
      ok = Finish(loader);
      break;
    default:
      break;
  }
  loader.Status = ok ? kStatusDone : kStatusFailure;
  return loader.Status;
}

}  // namespace brelfx::sim
