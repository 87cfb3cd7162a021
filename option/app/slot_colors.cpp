#include "option/app/slot_colors.h"

namespace brelfx {
namespace {

constexpr int kCustomColorType = 1;

ColorRef ColorOf(const LightInfo& light) { return MakeColorRef(light.Red, light.Green, light.Blue); }

}  // namespace

ColorRef SlotSwatchColor(const ProfileRecord& profile) {
  if (profile.LtSwitch == 0) return 0;
  if (profile.LtColorType == kCustomColorType) return ColorOf(profile.CCLtInfo);
  const LightInfo& single = profile.FixedLtInfo;
  if (single.ColorIndex < kLightingPalette.size()) return kLightingPalette[single.ColorIndex];
  return ColorOf(single);
}

}  // namespace brelfx
