#include "settings/block_defaults.h"

#include <cstdio>
#include <cstring>

#include "settings/text_field.h"

namespace brelfx {
namespace {

struct SlotColour {
  std::uint8_t index, red, green, blue;
};
constexpr SlotColour kSlotColours[kProfileCount] = {
    {0, 5, 144, 254}, {7, 255, 0, 0}, {11, 0, 255, 0}, {9, 231, 220, 0}, {4, 129, 24, 230}};

// Key indices 30-35 and 48-55 have their own factory functions.
constexpr std::uint8_t kThumbDefaults[6] = {0xB1, 0xDD, 0xB0, 0x39, 0xCB, 0xC0};
constexpr std::uint8_t kMediaDefaults[8] = {0xD2, 0xD1, 0xD0, 0xCC, 0xCE, 0xCD, 0xC3, 0xC2};

bool LightingDiffers(const ProfileRecord& a, const ProfileRecord& b) {
  return a.LtBrightness != b.LtBrightness || a.DimmerOption != b.DimmerOption ||
         a.LtTimeout != b.LtTimeout || a.LtSwitch != b.LtSwitch ||
         a.LtBreathSwitch != b.LtBreathSwitch || a.LtColorType != b.LtColorType ||
         std::memcmp(&a.FixedLtInfo, &b.FixedLtInfo, sizeof(LightInfo)) != 0 ||
         std::memcmp(&a.CCLtInfo, &b.CCLtInfo, sizeof(LightInfo)) != 0;
}

}  // namespace

std::uint8_t DefaultFunctionCode(int keyIndex) {
  if (keyIndex >= 0 && keyIndex <= 4) return static_cast<std::uint8_t>(0xD3 + keyIndex);
  if (keyIndex >= 5 && keyIndex <= 9) return static_cast<std::uint8_t>(0xD8 + keyIndex - 5);
  if (keyIndex >= 30 && keyIndex <= 35) return kThumbDefaults[keyIndex - 30];
  if (keyIndex >= 48 && keyIndex <= 55) return kMediaDefaults[keyIndex - 48];
  if (keyIndex == kKeyCapsLk) return kFnOwnVexa;
  if (keyIndex == kKeyVexaCapsLk) return kFnDisabledToo;
  return kFnStandard;  // 10-29 and 36-47
}

void ClearBlock(SettingsBlock& block) {
  block.CurrentProfile = -1;
  block.MouseType = 0;
  std::memset(block.Profiles, 0, sizeof(block.Profiles));
  ClearChangeArea(block);
}

void SetDefaults(SettingsBlock& block, int systemLanguageId) {
  block.CurrentProfile = 0;
  block.WindowsProfile = -1;
  block.QuickHelpLan = QuickHelpLanFromLanguageId(systemLanguageId);
  for (int slot = 0; slot < kProfileCount; ++slot) SetProfileDefaults(block.Profiles[slot], slot);
}

void SetProfileDefaults(ProfileRecord& p, int slot) {
  if (slot < 0 || slot >= kProfileCount) slot = 0;
  std::memset(&p, 0, sizeof(p));
  char name[16];
  std::snprintf(name, sizeof(name), "Default%d", slot + 1);
  SetTextField(p.ProFileName, name);
  p.KBDelay = 1;
  p.KBSpeed = 31;
  p.MediaOption = 4;
  p.HDDKeyboard = 1;
  p.LtBrightness = 3;
  p.DimmerOption = 1;
  p.LtTimeout = 15;
  for (auto& enabled : p.ModifyKey) enabled = 1;
  p.SoundProfile = 1;
  p.SoundLRecord = 1;
  p.SoundSens = 1;
  p.VolumeUpDown = 1;
  p.SoundTrophy = 1;
  p.SoundVolume = 2;
  p.LtSwitch = 1;
  p.LtBreathSwitch = 1;
  p.LtColorType = 0;
  const SlotColour& c = kSlotColours[slot];
  p.FixedLtInfo = LightInfo{c.index, 1, c.red, c.green, c.blue};
  for (int i = 0; i < kKeyCount; ++i) {
    p.MacroKeyInfo[i].KeyIndex = static_cast<std::uint8_t>(i);
    p.MacroKeyInfo[i].FunctionCode = DefaultFunctionCode(i);
  }
}

void ClearChangeArea(SettingsBlock& block) {
  std::memset(block.KeyChanged, 0, sizeof(block.KeyChanged));
  std::memset(block.UpdateFlags, 0, sizeof(block.UpdateFlags));
}

void ComputeChangeFlags(const SettingsBlock& saved, SettingsBlock& edited) {
  std::memset(edited.UpdateFlags, 0, sizeof(edited.UpdateFlags));
  for (int p = 0; p < kProfileCount; ++p) {
    const ProfileRecord& a = saved.Profiles[p];
    const ProfileRecord& b = edited.Profiles[p];
    edited.UpdateFlags[p] = a.HDDKeyboard != b.HDDKeyboard;
    edited.UpdateFlags[5 + p] = std::memcmp(a.ModifyKey, b.ModifyKey, sizeof(a.ModifyKey)) != 0;
    edited.UpdateFlags[10 + p] = LightingDiffers(a, b);
  }
  edited.UpdateFlags[15] = saved.CurrentProfile != edited.CurrentProfile;
}

int QuickHelpLanFromLanguageId(int id) {
  switch (id) {
    case 1030: return 0;
    case 1035: return 2;
    case 1036: case 2060: case 3084: case 4108: case 5132: return 3;
    case 1031: case 2055: case 3079: case 4103: case 5127: return 4;
    case 1040: case 2064: return 5;
    case 1041: return 6;
    case 1042: return 7;
    case 1045: return 8;
    case 1049: return 9;
    case 2052: return 10;
    case 1053: return 12;
    case 1054: return 13;
    case 1028: return 14;
    case 1055: return 15;
    case 1066: return 16;
    default: break;
  }
  // Spanish: primary language 0x0A with sub-languages 1-20 (1034 … 20490).
  if ((id & 0x3FF) == 0x0A && (id >> 10) >= 1 && (id >> 10) <= 20) return 11;
  return 1;
}

}  // namespace brelfx
