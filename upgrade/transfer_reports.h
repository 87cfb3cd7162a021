// The firmware transfer report (id 0x1B, 1,026 bytes) for each command of
// the keyboard's update loader, and its update status report (id 0x1C).
#pragma once

#include <array>
#include <cstdint>

namespace brelfx {

constexpr std::uint8_t kTransferReportId = 0x1B;
constexpr int kTransferReportSize = 1026;
constexpr std::uint8_t kUpdateStatusReportId = 0x1C;
constexpr int kUpdateStatusReportSize = 3;

// Byte 1 of the update status report.
enum UpdateStatus : std::uint8_t {
  kUpdateDone = 1,
  kUpdateBusy = 3,
  kUpdateSendAgain = 4,
};

// Byte 1 of the transfer report.
enum TransferCommand : std::uint8_t {
  kOpenUpdate = 0x00,
  kAnnounceSize = 0x01,
  kReadyForBlocks = 0x02,
  kAnnounceBlock = 0x03,
  kBlockData = 0x04,
  kFinishUpdate = 0x0F,
};

using TransferReport = std::array<std::uint8_t, kTransferReportSize>;

TransferReport OpenUpdateReport();
TransferReport ImageSizeReport(std::uint32_t imageSize);
TransferReport ReadyForBlocksReport();
TransferReport BlockAnnouncementReport(int block, std::uint16_t blockSum);
// `block`: 1,024 bytes.
TransferReport BlockDataReport(const std::uint8_t* block);
TransferReport FinishUpdateReport();

}  // namespace brelfx
