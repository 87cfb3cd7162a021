#include "option/app/advanced_page/advanced_page_edits.h"

#include "platform/log.h"

namespace brelfx::advanced_page {
namespace {

// Profile is ProfileRecord or const ProfileRecord.
template <typename Profile>
auto& FieldOf(Profile& p, Switch which) {
  switch (which) {
    case Switch::kLiveRecordingSound:
      return p.SoundLRecord;
    case Switch::kProfileSwitchSound:
      return p.SoundProfile;
    case Switch::kTrophySound:
      return p.SoundTrophy;
    case Switch::kVolumeSound:
      return p.VolumeUpDown;
    case Switch::kSensitivitySound:
      return p.SoundSens;
    case Switch::kTab:
      return p.ModifyKey[0];
    case Switch::kCapsLock:
      return p.ModifyKey[1];
    case Switch::kLeftWindow:
      return p.ModifyKey[2];
    case Switch::kRightWindow:
      return p.ModifyKey[3];
    case Switch::kAppKey:
      return p.ModifyKey[4];
    case Switch::kLeftShift:
      return p.ModifyKey[5];
    case Switch::kLighting:
      return p.LtSwitch;
    case Switch::kBreathing:
      return p.LtBreathSwitch;
  }
  return p.LtSwitch;  // not reached: every switch is listed
}

std::uint8_t ColorByte(int value) {
  return static_cast<std::uint8_t>(value < 0                   ? 0
                                   : value > kHighestColorByte ? kHighestColorByte
                                                               : value);
}

}  // namespace

std::string DimmerText(int step) {
  static constexpr const char* kTexts[kDimmerSteps] = {"No illumination",  "Illumination 20%",
                                                       "Illumination 40%", "Illumination 60%",
                                                       "Illumination 80%", "Illumination 100%"};
  return step >= 0 && step < kDimmerSteps ? kTexts[step] : "";
}

PageView ViewOf(const ProfileRecord& profile) {
  PageView view;
  for (int i = 0; i < kSwitchCount; ++i)
    view.switches[i] = FieldOf(profile, static_cast<Switch>(i)) != 0;
  view.brightness = profile.LtBrightness;
  view.volume = profile.SoundVolume;
  view.dimmerCaption = DimmerText(profile.DimmerOption);
  view.timeOutCaption = std::to_string(profile.LtTimeout);
  view.colorMode = profile.LtColorType;
  const int index = profile.FixedLtInfo.ColorIndex;
  view.checkedSwatch = index < static_cast<int>(kLightingPalette.size()) ? index : -1;
  const LightInfo& custom = profile.CCLtInfo;
  view.customColor = {custom.Red, custom.Green, custom.Blue};
  view.customChip = MakeColorRef(custom.Red, custom.Green, custom.Blue);
  return view;
}

bool StoreSwitch(ProfileRecord& profile, Switch which, bool on) {
  FieldOf(profile, which) = on ? 1 : 0;
  return which == Switch::kLighting || which == Switch::kBreathing;
}

bool StoreSliderValue(ProfileRecord& profile, int sliderId, int value) {
  if (sliderId == kBrightnessSliderId) profile.LtBrightness = value;
  if (sliderId == kVolumeSliderId) profile.SoundVolume = value;
  return false;
}

bool StoreMenuChoice(ProfileRecord& profile, unsigned id) {
  if (id >= kDimmerMenuFirst && id < kDimmerMenuFirst + kDimmerSteps)
    profile.DimmerOption = static_cast<int>(id - kDimmerMenuFirst);
  else if (id >= kTimeOutMenuFirst && id < kTimeOutMenuFirst + kLongestTimeOut)
    profile.LtTimeout = static_cast<int>(id - kTimeOutMenuFirst) + 1;
  return false;
}

bool StoreColorMode(ProfileRecord& profile, ColorMode mode) {
  profile.LtColorType = static_cast<int>(mode);
  return true;
}

bool StorePaletteSwatch(ProfileRecord& profile, int swatch) {
  if (swatch < 1 || swatch > static_cast<int>(kLightingPalette.size())) return false;
  const ColorRef color = kLightingPalette[swatch - 1];
  profile.LtColorType = static_cast<int>(ColorMode::kSingle);
  LightInfo& single = profile.FixedLtInfo;
  single.ColorIndex = static_cast<std::uint8_t>(swatch - 1);
  single.Red = color & 0xFF;
  single.Green = (color >> 8) & 0xFF;
  single.Blue = (color >> 16) & 0xFF;
  return true;
}

bool StoreCustomColorByte(ProfileRecord& profile, int spinId, int value) {
  static constexpr const char* kNames[] = {"red", "green", "blue"};
  const int channel = spinId - kRedSpinId;
  if (channel < 0 || channel > 2) return false;
  LightInfo& custom = profile.CCLtInfo;
  std::uint8_t* bytes[] = {&custom.Red, &custom.Green, &custom.Blue};
  *bytes[channel] = ColorByte(value);
  // One line naming the field, not a bare number per keystroke.
  DebugLog("Advanced page: custom colour %s set\n", kNames[channel]);
  return true;
}

bool StoreCustomColor(ProfileRecord& profile, ColorRef color) {
  LightInfo& custom = profile.CCLtInfo;
  custom.Red = color & 0xFF;
  custom.Green = (color >> 8) & 0xFF;
  custom.Blue = (color >> 16) & 0xFF;
  return true;
}

}  // namespace brelfx::advanced_page
