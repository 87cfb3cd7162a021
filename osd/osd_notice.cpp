#include "osd/osd_notice.h"

#include <algorithm>

#include "settings/shared_catalogue.h"
#include "settings/text_field.h"

namespace brelfx {

std::optional<OsdNotice> NoticeFor(unsigned int message, const SettingsBlock& settings) {
  const int index = settings.CurrentProfile;
  if (index < 0 || index >= kProfileCount) return std::nullopt;
  const ProfileRecord& profile = settings.Profiles[index];
  if (message == WM_PROFILE_SWITCHED) {
    OsdNotice notice;
    notice.kind = OsdNotice::Kind::kProfile;
    notice.profileNumber = index + 1;
    notice.profileName = TextField(profile.ProFileName);
    // A slot the user never named is known by its number.
    if (notice.profileName.empty()) notice.profileName = "Profile " + std::to_string(index + 1);
    return notice;
  }
  if (message == WM_BRIGHTNESS_CHANGED) {
    OsdNotice notice;
    notice.kind = OsdNotice::Kind::kBrightness;
    notice.brightnessStep = std::clamp(profile.LtBrightness + 1, 0, kOsdBrightnessSteps);
    return notice;
  }
  return std::nullopt;
}

}  // namespace brelfx
