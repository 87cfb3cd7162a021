#include "monitor/talk/talk_packet.h"

namespace brelfx {
namespace {

constexpr std::uint16_t kAllCompanionDevices = 0xFFFF;

bool AddressesAllDevices(std::uint8_t code) { return code == 0x8C || code == 0x8D; }
bool AddressesOneDevice(std::uint8_t code) { return code >= 0xF5 && code <= 0xFB; }

}  // namespace

std::optional<int> TalkKeyIndex(std::uint8_t item) {
  if (item == 0x39) return 56;
  if (item >= 0xAA && item <= 0xAE) return item - 0xAA;
  if (item >= 0xFC && item <= 0xFE) return 30 + (item - 0xFC);
  return std::nullopt;
}

std::optional<TalkKeyMessage> BuildTalkPacket(const ProfileRecord& profile, std::uint16_t value) {
  const std::optional<int> index = TalkKeyIndex(static_cast<std::uint8_t>(value & 0xFF));
  if (!index) return std::nullopt;
  const KeyAssignment& key = profile.MacroKeyInfo[*index];
  const std::uint8_t code = key.FunctionCode;
  TalkPacket packet{};
  packet.SenderVendorId = kKeyboardVendorId;
  packet.SenderProductId = kKeyboardProductId;
  packet.FunctionCode = AddressesAllDevices(code) || AddressesOneDevice(code) ? code : 0;
  packet.TargetVendorId = kKeyboardVendorId;
  packet.TargetProductId = AddressesAllDevices(code) ? kAllCompanionDevices
                                                     : static_cast<std::uint16_t>(key.TargetPid);
  packet.KeyState = static_cast<std::uint8_t>(value >> 8);
  return TalkKeyMessage{TalkTag(packet.FunctionCode), packet};
}

}  // namespace brelfx
