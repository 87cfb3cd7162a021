#include "settings/firmware_version_text.h"

namespace brelfx {

std::string FirmwareVersionText(int fwVersion, FirmwareTextRule rule) {
  // A negative value is no version at all, whichever rule applies.
  const bool accepted =
      fwVersion >= 100 && (rule == FirmwareTextRule::kAfterSync || fwVersion <= 500);
  if (!accepted) return "N/A";
  const std::string digits = std::to_string(fwVersion);
  std::string text(1, digits[0]);
  text += '.';
  text.append(digits, 1);
  return text;
}

}  // namespace brelfx
