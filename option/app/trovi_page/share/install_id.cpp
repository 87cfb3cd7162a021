#include "option/app/trovi_page/share/install_id.h"

#include <algorithm>
#include <array>

#include "option/app/trovi_page/share/share_request.h"
#include "platform/log.h"
#include "settings/ini_file.h"

namespace brelfx {
namespace {

bool IsLowerHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

}  // namespace

bool IsInstallId(std::string_view text) {
  return text.size() == 2 * kInstallIdBytes &&
         std::all_of(text.begin(), text.end(), IsLowerHexDigit);
}

std::string ReadOrCreateInstallId(IniFile& config, const RandomBytesSource& random) {
  std::string id = config.ReadString(kShareSection, kInstallIdKey, "");
  if (IsInstallId(id)) return id;

  std::array<std::uint8_t, kInstallIdBytes> bytes{};
  if (!random(bytes.data(), bytes.size())) {
    DebugLog("Share: no random bytes for the install identifier\n");
    return {};
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  id.clear();
  for (std::uint8_t byte : bytes) {
    id += kDigits[byte >> 4];
    id += kDigits[byte & 0x0F];
  }
  if (!config.WriteString(kShareSection, kInstallIdKey, id)) {
    DebugLog("Share: could not keep the install identifier in %s\n", config.path().c_str());
  }
  return id;
}

}  // namespace brelfx
