// What the on-screen display shows for a change the monitor announced: the
// profile now active, or the brightness of the keyboard's lighting.
#pragma once

#include <optional>
#include <string>

#include "settings/settings_block.h"

namespace brelfx {

// How long a notice stays on the screen.
constexpr int kOsdNoticeMs = 2000;
// LtBrightness 0-5: the keyboard's six brightness steps.
constexpr int kOsdBrightnessSteps = 6;

struct OsdNotice {
  enum class Kind { kProfile, kBrightness } kind = Kind::kProfile;
  int profileNumber = 0;  // 1-5
  std::string profileName;
  int brightnessStep = 0;  // 1-6
};

// For WM_PROFILE_SWITCHED (1255) and WM_BRIGHTNESS_CHANGED (1257), read from
// the shared block; nothing for other messages or a block without a
// current profile.
std::optional<OsdNotice> NoticeFor(unsigned int message, const SettingsBlock& settings);

}  // namespace brelfx
