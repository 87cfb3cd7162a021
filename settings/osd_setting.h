// Settings of the on-screen display program, stored in config.ini and only
// read by this system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace brelfx {

#pragma pack(push, 1)

struct OSDSetting {
  std::int32_t Switches[7];
  std::int32_t DisplayValue0;  // handed to the on-screen display on every apply
  std::int32_t DisplayValue1;
  char MailServer[100];
  std::int32_t Port;
  char UserName[100];
  char Password[100];
  std::int32_t CheckInterval;
};

#pragma pack(pop)

static_assert(sizeof(OSDSetting) == 344);
static_assert(offsetof(OSDSetting, DisplayValue0) == 28);
static_assert(offsetof(OSDSetting, DisplayValue1) == 32);
static_assert(offsetof(OSDSetting, MailServer) == 36);
static_assert(offsetof(OSDSetting, Port) == 136);
static_assert(offsetof(OSDSetting, UserName) == 140);
static_assert(offsetof(OSDSetting, Password) == 240);
static_assert(offsetof(OSDSetting, CheckInterval) == 340);
static_assert(std::is_trivially_copyable_v<OSDSetting>);

// The values a reset to defaults gives: everything zero but the mail port
// (110) and the check interval (5).
inline OSDSetting DefaultOsdSetting() {
  OSDSetting setting{};
  setting.Port = 110;
  setting.CheckInterval = 5;
  return setting;
}

}  // namespace brelfx
