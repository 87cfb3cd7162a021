// The stamp that tells whether the keyboard still holds what this computer
// wrote: bytes 0-3 the time it was made (seconds since 1970, little-endian),
// bytes 4-15 zero. One copy lives in the keyboard, one in config.ini.
#pragma once

#include <cstdint>
#include <type_traits>

namespace brelfx {

#pragma pack(push, 1)
struct SettingsStamp {
  std::uint8_t Bytes[16];

  // The stamps are compared byte for byte.
  bool operator==(const SettingsStamp&) const = default;
};
#pragma pack(pop)

static_assert(sizeof(SettingsStamp) == 16);
static_assert(std::is_trivially_copyable_v<SettingsStamp>);

}  // namespace brelfx
