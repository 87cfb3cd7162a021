// The keyboard's update loader: takes the firmware transfer reports (open,
// size, ready, block announcement, block data, finish) in order, stores the
// image block by block after checking each block's sum, and keeps the status
// the update status report answers.
#pragma once

#include <cstdint>

#include "sim/keyboard_state.h"

namespace brelfx::sim {

// Codes the loader expects in its commands (written by the upgrade program
// byte by byte).
constexpr std::uint8_t kLoaderStartCode[8] = {0x42, 0x46, 0x58, 0x55, 0x50, 0x44, 0x41, 0x54};
constexpr std::uint8_t kLoaderTransferCode[4] = {0x5A, 0xA5, 0x3C, 0xC3};
constexpr std::uint8_t kLoaderReadyCode = 0x5A;

enum LoaderCommand : std::uint8_t {
  kLoaderOpen = 0x00,
  kLoaderSize = 0x01,
  kLoaderReady = 0x02,
  kLoaderAnnounceBlock = 0x03,
  kLoaderBlockData = 0x04,
  kLoaderFinish = 0x0F,
};

// Takes one 1,026-byte transfer report; sets and returns the loader status
// (done, or failure for a wrong code, a command out of order, a block that
// does not match its announced sum, an image larger than the loader holds, a
// finish before every block arrived, or the data of `refusedBlock` — a
// scripted fault, -1 for none).
std::uint8_t ReceiveFirmwareReport(SimFirmwareTransfer& loader, const std::uint8_t* report,
                                   int refusedBlock = -1);

// Test images start with this mark followed by the firmware version byte the
// keyboard reports once it runs that image. Real images carry no such header;
// the keyboard then keeps the version it had.
constexpr std::uint8_t kTestImageMark[8] = {'B', 'R', 'E', 'L', 'F', 'X', 'F', 'W'};
constexpr int kTestImageVersionOffset = 8;

// The version a finished image brings, or `current` when it has no mark.
std::uint8_t FirmwareVersionOfImage(const SimFirmwareTransfer& loader, std::uint8_t current);

// Blocks an image of the announced size takes.
int FirmwareBlockCount(std::uint32_t imageSize);

}  // namespace brelfx::sim
