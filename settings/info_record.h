// The statistics record kept in the InfoData bytes of the SettingsBlock and
// in config.ini: nineteen usage counters, sixteen trophy flags and the number
// of the trophy unlocked last, all 32-bit little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "settings/settings_block.h"

namespace brelfx {

constexpr int kCounterCount = 19;
constexpr int kTrophyCount = 16;

#pragma pack(push, 1)
struct InfoRecord {
  std::int32_t Counters[kCounterCount];  // counter n at index n - 1
  std::int32_t Trophies[kTrophyCount];   // 1 unlocked; trophy n at index n - 1
  std::int32_t LastTrophy;               // 1-16, 0 before the first
};
#pragma pack(pop)
static_assert(sizeof(InfoRecord) == kInfoDataSize);
static_assert(offsetof(InfoRecord, Trophies) == 76);
static_assert(offsetof(InfoRecord, LastTrophy) == 140);
static_assert(std::is_trivially_copyable_v<InfoRecord>);

inline InfoRecord ReadInfoRecord(const std::uint8_t (&infoData)[kInfoDataSize]) {
  InfoRecord record;
  std::memcpy(&record, infoData, sizeof(record));
  return record;
}

inline void WriteInfoRecord(const InfoRecord& record, std::uint8_t (&infoData)[kInfoDataSize]) {
  std::memcpy(infoData, &record, sizeof(record));
}

}  // namespace brelfx
