#include "option/app/main_view_state.h"

#include "option/app/languages.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

// The keys that can carry the Vexa function, in the order the indicator counts them.
constexpr int kVexaCandidates[] = {kKeyCapsLk, 30, 31, 32, 0, 1, 2, 3, 4};
constexpr std::uint8_t kFnVexaAllDevices = 0x8C;

}  // namespace

int VexaKeyPosition(const ProfileRecord& profile) {
  for (int position = 0; position < kNoVexaKey; ++position) {
    const std::uint8_t code = profile.MacroKeyInfo[kVexaCandidates[position]].FunctionCode;
    if (code == kFnOwnVexa || code == kFnVexaAllDevices) return position;
  }
  return kNoVexaKey;
}

MainViewState ComputeMainView(const SettingsBlock& edited) {
  MainViewState state;
  state.activeSlot = edited.CurrentProfile;
  if (state.activeSlot >= 0 && state.activeSlot < kProfileCount)
    state.vexaKeyPosition = VexaKeyPosition(edited.Profiles[state.activeSlot]);
  for (int slot = 0; slot < kProfileCount; ++slot) {
    const ProfileRecord& profile = edited.Profiles[slot];
    state.windowsProfile[slot] = edited.WindowsProfile == slot;
    state.swatchColors[slot] = SlotSwatchColor(profile);
    state.slotNames[slot] = TextField(profile.ProFileName);
  }
  state.flagIndex = LanguageIndex(edited.QuickHelpLan);
  state.pictureVisible = edited.MouseType == 1;
  return state;
}

}  // namespace brelfx
