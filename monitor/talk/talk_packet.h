// A Talk key of the keyboard (event type 0xFF00) as the packet the hub gets:
// the function the key holds in the current profile, aimed at a companion
// device, with the key's state.
#pragma once

#include <cstdint>
#include <optional>

#include "monitor/talk/talk_payloads.h"
#include "settings/settings_block.h"

namespace brelfx {

// The key index of a Talk key's item: Caps Lock 0x39 → 56, M1-M5 0xAA-0xAE →
// 0-4, T1-T3 0xFC-0xFE → 30-32; other items are no Talk key.
std::optional<int> TalkKeyIndex(std::uint8_t item);

struct TalkKeyMessage {
  std::uintptr_t tag;  // low word: the Talk function code
  TalkPacket packet;
};

// The event value carries the item in its low byte and the key state in its
// high byte. Nothing for an item that is no Talk key.
std::optional<TalkKeyMessage> BuildTalkPacket(const ProfileRecord& profile, std::uint16_t value);

}  // namespace brelfx
