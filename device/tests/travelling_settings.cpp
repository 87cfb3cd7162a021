#include "device/tests/travelling_settings.h"

#include "device/report_ids.h"
#include "device/tests/report_test_blocks.h"

namespace brelfx::test {

void AlterKeyEnables(SettingsBlock& block) {
  for (int p = 0; p < kProfileCount; ++p)
    for (int i = 0; i < 6; ++i) block.Profiles[p].ModifyKey[i] = (i + p) % 2;
}

void AlterKeys(SettingsBlock& block, int firstKey, int count) {
  for (int p = 0; p < kProfileCount; ++p)
    for (int k = firstKey; k < firstKey + count; ++k) {
      KeyAssignment& entry = block.Profiles[p].MacroKeyInfo[k];
      switch ((k + p) % 4) {
        case 0:
          entry.FunctionCode = kFnStandard;
          break;
        case 1:  // Ctrl + a letter, kept as a one-action macro
          entry.FunctionCode = kFnShortcut;
          entry.ActionCount = 1;
          entry.Actions[0] = {static_cast<std::uint8_t>(0x04 + k % 26), 0x01, 0};
          break;
        case 2:
          entry.FunctionCode = kFnDisabled;
          break;
        default:
          entry.FunctionCode = kFnStartTimer;
          break;
      }
    }
}

void AlterCapsLock(SettingsBlock& block) {
  constexpr std::uint8_t kCodes[kProfileCount] = {kFnStandard, kFnDisabled, kFnShortcut,
                                                  kFnStartTimer, kFnOwnVexa};
  for (int p = 0; p < kProfileCount; ++p)
    block.Profiles[p].MacroKeyInfo[kKeyCapsLk].FunctionCode = kCodes[p];
}

void AlterIllumination(SettingsBlock& block) {
  for (int p = 0; p < kProfileCount; ++p) {
    ProfileRecord& profile = block.Profiles[p];
    profile.LtSwitch = p % 2;
    profile.LtBreathSwitch = (p + 1) % 2;
    profile.LtColorType = p % 3;
    profile.LtBrightness = p;
    profile.DimmerOption = (p + 1) % 2;
    profile.LtTimeout = 10 * p;
    // Only the colour of the chosen type travels.
    LightInfo& colour = profile.LtColorType == 1 ? profile.CCLtInfo : profile.FixedLtInfo;
    colour.ColorIndex = static_cast<std::uint8_t>(profile.LtColorType == 1 ? 20 + p : 13 + p % 3);
    colour.Red = static_cast<std::uint8_t>(40 * p);
    colour.Green = static_cast<std::uint8_t>(255 - p);
    colour.Blue = 7;
  }
}

void AlterMacros(SettingsBlock& block) {
  constexpr int kActions[] = {0, 1, kMaxActions};
  for (int p = 0; p < kProfileCount; ++p)
    for (int i = 0; i < 3; ++i) GiveMacro(block, p, kAlteredMacroKeys[i], kActions[i]);
}

void AlterEverythingThatTravels(SettingsBlock& block) {
  AlterKeyEnables(block);
  for (const KeyLayer* layer : kKeyLayers) AlterKeys(block, layer->firstKey, layer->keyCount);
  AlterCapsLock(block);
  AlterIllumination(block);
  AlterMacros(block);  // after the key layers: these keys hold macros
  block.CurrentProfile = 3;
}

}  // namespace brelfx::test
