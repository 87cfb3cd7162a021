// The companion-device list as Talk fills it: one entry per product id, at
// most 100, names in ANSI of at most 19 characters.
#pragma once

#include <cstdint>
#include <span>

#include "platform/ansi_text.h"
#include "settings/companion_device.h"

namespace brelfx {

// A copy-data payload of exactly the record's 64 bytes is taken into the
// list: the entry with its product id is replaced, or a new one appended
// while there is room. False (list unchanged) for any other size and for a
// new device when the list is full.
bool TakeCompanionDevice(CompanionDeviceList& list, std::span<const std::uint8_t> payload,
                         AnsiText& ansi);

}  // namespace brelfx
