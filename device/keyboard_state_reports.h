// Reports that belong to no profile: firmware version, the defaults command,
// the settings stamp, and the host, Talk and ambient-light states the monitor
// hands to the keyboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>

#include "device/report_frame.h"
#include "settings/settings_block.h"
#include "settings/settings_stamp.h"

namespace brelfx {

// The ambient-light effect a Talk peer asks for (20 bytes as received).
#pragma pack(push, 1)
struct AmbientLightRecord {
  std::int32_t Mode;
  std::int32_t ValueA;
  std::int32_t ValueB;
  std::uint8_t Effect[6];
  std::uint8_t Unused[2];
};
#pragma pack(pop)
static_assert(sizeof(AmbientLightRecord) == 20);
static_assert(offsetof(AmbientLightRecord, ValueA) == 4);
static_assert(offsetof(AmbientLightRecord, ValueB) == 8);
static_assert(offsetof(AmbientLightRecord, Effect) == 12);
static_assert(offsetof(AmbientLightRecord, Unused) == 18);
static_assert(std::is_trivially_copyable_v<AmbientLightRecord>);

struct FirmwareVersions {
  int firmware;  // byte 2: the version the monitor compares and stores
  int dfu;       // byte 3: shown by the firmware upgrade program
};

FirmwareVersions ParseVersionReport(std::span<const std::uint8_t> report);

// [0x11, 0x03, 0x04]: the keyboard restores its factory profiles.
Report BuildDefaultsCommand();

Report BuildStampReport(const SettingsStamp& stamp);
// The stamp of a report of the right length (the checksum is the reader's).
std::optional<SettingsStamp> ParseStampReport(std::span<const std::uint8_t> report);

// [0x15, 0x03, v]: v is the requested value, but 0 while the active profile
// leaves the media keys to no particular player (MediaOption 4).
Report BuildHostStateReport(const SettingsBlock& block, std::uint8_t requested);

// Two Talk states, each 0, 1 or 255 (leave unchanged).
Report BuildTalkStateReport(std::uint8_t first, std::uint8_t second);

Report BuildAmbientLightReport(const AmbientLightRecord& record);
// Ends an ambient-light effect: [0x17, 0x10] and fourteen zeros.
Report BuildAmbientLightOffReport();

}  // namespace brelfx
