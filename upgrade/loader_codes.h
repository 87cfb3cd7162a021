// The codes the keyboard's update loader expects in the transfer reports:
// the start code of command 0, the transfer code of the size and block
// announcements and the byte of command 2.
#pragma once

#include <cstdint>

namespace brelfx {

constexpr std::uint8_t kUpdateStartCode[8] = {0x42, 0x46, 0x58, 0x55, 0x50, 0x44, 0x41, 0x54};
constexpr std::uint8_t kUpdateTransferCode[4] = {0x5A, 0xA5, 0x3C, 0xC3};
constexpr std::uint8_t kUpdateReadyCode = 0x5A;

}  // namespace brelfx
