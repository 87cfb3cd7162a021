#include "device/settings_stamp.h"

#include <chrono>

namespace brelfx {

std::int64_t SystemSecondsSince1970() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

SettingsStamp MakeSettingsStamp(std::int64_t secondsSince1970) {
  const auto time = static_cast<std::uint32_t>(secondsSince1970);
  SettingsStamp stamp{};
  for (int i = 0; i < 4; ++i) stamp.Bytes[i] = static_cast<std::uint8_t>(time >> (8 * i));
  return stamp;
}

}  // namespace brelfx
