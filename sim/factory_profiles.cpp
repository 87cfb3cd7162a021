#include "sim/factory_profiles.h"

#include <array>
#include <cstring>
#include <memory>

#include "settings/block_defaults.h"
#include "sim/report_layout.h"

namespace brelfx::sim {
namespace {

constexpr std::uint8_t kMacroFunction = 0xBE;
constexpr std::uint8_t kStandardFunction = 0xEF;
constexpr std::uint8_t kFlowColourOnKeyboard = 3;

// The keyboard knows no "standard function" marker: every key holds the code
// of what it does.
std::uint8_t DeviceCode(std::uint8_t hostCode, int keyIndex) {
  return hostCode == kStandardFunction ? FactoryDeviceCode(keyIndex) : hostCode;
}

SimLighting LightingOf(const ProfileRecord& p) {
  const bool custom = p.LtColorType != 0 && p.LtColorType != 2;
  const LightInfo& colour = custom ? p.CCLtInfo : p.FixedLtInfo;
  SimLighting l{};
  l.Switch = static_cast<std::uint8_t>(p.LtSwitch);
  l.BreathSwitch = static_cast<std::uint8_t>(p.LtBreathSwitch);
  l.ColorType =
      p.LtColorType == 2 ? kFlowColourOnKeyboard : static_cast<std::uint8_t>(p.LtColorType);
  l.ColorIndex = colour.ColorIndex;
  l.Red = colour.Red;
  l.Green = colour.Green;
  l.Blue = colour.Blue;
  l.Brightness = static_cast<std::uint8_t>(p.LtBrightness);
  l.Dimmer = static_cast<std::uint8_t>(p.DimmerOption);
  l.Timeout = static_cast<std::uint8_t>(p.LtTimeout);
  return l;
}

void Translate(const ProfileRecord& host, SimProfile& device) {
  std::memset(&device, 0, sizeof(device));
  for (int k = 0; k < kLayerKeyCount; ++k)
    device.KeyCodes[k] = DeviceCode(host.MacroKeyInfo[k].FunctionCode, k);
  const std::uint8_t caps = host.MacroKeyInfo[kKeyCapsLk].FunctionCode;
  device.CapsLockCode = caps == kStandardFunction ? std::uint8_t{kFnCapsLock} : caps;
  for (int i = 0; i < 6; ++i)
    if (host.ModifyKey[i] == 1) device.KeyEnableMask |= static_cast<std::uint8_t>(1 << i);
  device.Lighting = LightingOf(host);
  for (int k = 0; k < kMacroKeyCount; ++k) {
    device.Macros[k].KeyIndex = static_cast<std::uint8_t>(k);
    device.Macros[k].FunctionCode = kMacroFunction;
  }
}

std::array<SimProfile, kProfileCount> MakeFactoryProfiles() {
  std::array<SimProfile, kProfileCount> profiles;
  auto host = std::make_unique<ProfileRecord>();
  for (int slot = 0; slot < kProfileCount; ++slot) {
    SetProfileDefaults(*host, slot);
    Translate(*host, profiles[slot]);
  }
  return profiles;
}

}  // namespace

const SimProfile& FactoryProfile(int slot) {
  static const std::array<SimProfile, kProfileCount> profiles = MakeFactoryProfiles();
  return profiles[slot >= 0 && slot < kProfileCount ? slot : 0];
}

void RestoreFactoryProfiles(SimKeyboardState& state) {
  for (int slot = 0; slot < kProfileCount; ++slot) state.Profiles[slot] = FactoryProfile(slot);
}

void ResetKeyboardState(SimKeyboardState& state) {
  std::memset(&state, 0, sizeof(state));
  state.Magic = kStateMagic;
  state.LayoutVersion = kStateLayoutVersion;
  state.Size = sizeof(SimKeyboardState);
  state.Plugged = 1;
  state.FirmwareVersion = kFactoryFirmwareVersion;
  state.LoaderVersion = kFactoryLoaderVersion;
  state.Status = kStatusDone;
  state.Firmware.Status = kStatusDone;
  state.Faults.UnplugAfterCalls = -1;
  RestoreFactoryProfiles(state);
}

bool IsCurrentLayout(const SimKeyboardState& state) {
  return state.Magic == kStateMagic && state.LayoutVersion == kStateLayoutVersion &&
         state.Size == sizeof(SimKeyboardState);
}

}  // namespace brelfx::sim
