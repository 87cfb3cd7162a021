// Companion devices: the maker's other devices announced by their own
// software, kept in DeviceInfo.ini and named in the Vexa-device and Kalim
// functions of a key.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace brelfx {

constexpr int kMaxCompanionDevices = 100;
constexpr int kCpiSteps = 5;

#pragma pack(push, 1)

struct CompanionDevice {
  std::uint16_t VID;
  std::uint16_t PID;
  char Name[20];
  std::int32_t CPI[kCpiSteps];  // sensitivity value of steps 1-5
};

struct CompanionDeviceList {
  std::int32_t Count;
  CompanionDevice Devices[kMaxCompanionDevices];
};

#pragma pack(pop)

static_assert(sizeof(CompanionDevice) == 44);
static_assert(offsetof(CompanionDevice, PID) == 2);
static_assert(offsetof(CompanionDevice, Name) == 4);
static_assert(offsetof(CompanionDevice, CPI) == 24);
static_assert(sizeof(CompanionDeviceList) == 4 + 44 * kMaxCompanionDevices);
static_assert(std::is_trivially_copyable_v<CompanionDeviceList>);

// The number of valid entries (a damaged count is held to 0-100).
inline int ValidCount(const CompanionDeviceList& list) {
  return std::clamp<int>(list.Count, 0, kMaxCompanionDevices);
}

// The first entry with this product id, or null.
inline const CompanionDevice* FindCompanionDevice(const CompanionDeviceList& list,
                                                  std::uint32_t pid) {
  const int count = ValidCount(list);
  for (int i = 0; i < count; ++i)
    if (list.Devices[i].PID == pid) return &list.Devices[i];
  return nullptr;
}

}  // namespace brelfx
