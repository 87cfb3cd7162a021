#include "upgrade/transfer_reports.h"

#include <cstring>

#include "upgrade/firmware_image.h"
#include "upgrade/loader_codes.h"

namespace brelfx {
namespace {

TransferReport Command(TransferCommand command) {
  TransferReport r{};
  r[0] = kTransferReportId;
  r[1] = command;
  return r;
}

// The codes go in byte by byte: the loader reads them as bytes, not numbers.
template <std::size_t N>
void PutCode(TransferReport& r, int at, const std::uint8_t (&code)[N]) {
  for (std::size_t i = 0; i < N; ++i) r[at + i] = code[i];
}

void PutLittleEndian(TransferReport& r, int at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) r[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

TransferReport OpenUpdateReport() {
  TransferReport r = Command(kOpenUpdate);
  PutCode(r, 4, kUpdateStartCode);
  return r;
}

TransferReport ImageSizeReport(std::uint32_t imageSize) {
  TransferReport r = Command(kAnnounceSize);
  PutLittleEndian(r, 4, imageSize, 4);
  PutCode(r, 8, kUpdateTransferCode);
  return r;
}

TransferReport ReadyForBlocksReport() {
  TransferReport r = Command(kReadyForBlocks);
  r[4] = kUpdateReadyCode;
  return r;
}

TransferReport BlockAnnouncementReport(int block, std::uint16_t blockSum) {
  TransferReport r = Command(kAnnounceBlock);
  PutLittleEndian(r, 4, static_cast<std::uint32_t>(block), 2);
  PutLittleEndian(r, 6, blockSum, 2);
  PutCode(r, 8, kUpdateTransferCode);
  return r;
}

TransferReport BlockDataReport(const std::uint8_t* block) {
  TransferReport r = Command(kBlockData);
  std::memcpy(r.data() + 2, block, kFirmwareBlockSize);
  return r;
}

TransferReport FinishUpdateReport() {
  return Command(kFinishUpdate);
}

}  // namespace brelfx
