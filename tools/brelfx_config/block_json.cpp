#include "tools/brelfx_config/block_json.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "settings/assignment_name.h"
#include "settings/text_field.h"
#include "tools/brelfx_config/windows_1252.h"

namespace brelfx::config_tool {
namespace {

using Json = nlohmann::ordered_json;

template <std::size_t N>
std::string Text(const char (&field)[N]) {
  return Utf8FromWindows1252(TextField(field));
}

// N little-endian int32 values from a packed (possibly unaligned) field.
template <std::size_t N>
Json Ints(const void* field) {
  std::int32_t values[N];
  std::memcpy(values, field, sizeof(values));
  return Json(values);
}

Json LightJson(const LightInfo& light) {
  return Json::array({light.ColorIndex, light.Flag, light.Red, light.Green, light.Blue});
}

Json KeyJson(const KeyAssignment& key, const CompanionDeviceList& devices,
             const KeyboardLayout& layout) {
  Json actions = Json::array();
  const int count = std::min<int>(key.ActionCount, kMaxActions);
  for (int i = 0; i < count; ++i) {
    const MacroEvent& e = key.Actions[i];
    actions.push_back(Json::array({e.Code, e.Type, e.Delay}));
  }
  return Json{{"index", key.KeyIndex},
              {"code", key.FunctionCode},
              {"text", Utf8FromWindows1252(DisplayName(key, devices, layout))},
              {"target", key.TargetPid},
              {"name1", Text(key.Name1)},
              {"macroSet", Text(key.MacroSetName)},
              {"macroName", Text(key.MacroName)},
              {"repeat", key.RepeatCount},
              {"count", key.ActionCount},
              {"actions", std::move(actions)},
              {"timerLength", key.TimerLength},
              {"timerName", Text(key.TimerName)},
              {"launch", Text(key.LaunchPath)}};
}

Json ProfileJson(const ProfileRecord& p, const CompanionDeviceList& devices,
                 const KeyboardLayout& layout) {
  Json keys = Json::array();
  for (const KeyAssignment& key : p.MacroKeyInfo) keys.push_back(KeyJson(key, devices, layout));
  return Json{{"ProFileName", Text(p.ProFileName)},
              {"GameFile0", Text(p.GameFile0)},
              {"GameFile1", Text(p.GameFile1)},
              {"GameFile2", Text(p.GameFile2)},
              {"KBDelay", p.KBDelay},
              {"KBSpeed", p.KBSpeed},
              {"MediaOption", p.MediaOption},
              {"HDDKeyboard", p.HDDKeyboard},
              {"LtBrightness", p.LtBrightness},
              {"DimmerOption", p.DimmerOption},
              {"LtTimeout", p.LtTimeout},
              {"ModifyKey", Ints<6>(p.ModifyKey)},
              {"SoundProfile", p.SoundProfile},
              {"SoundLRecord", p.SoundLRecord},
              {"SoundSens", p.SoundSens},
              {"VolumeUpDown", p.VolumeUpDown},
              {"SoundTrophy", p.SoundTrophy},
              {"SoundVolume", p.SoundVolume},
              {"LtSwitch", p.LtSwitch},
              {"LtBreathSwitch", p.LtBreathSwitch},
              {"LtColorType", p.LtColorType},
              {"FixedLtInfo", LightJson(p.FixedLtInfo)},
              {"CCLtInfo", LightJson(p.CCLtInfo)},
              {"keys", std::move(keys)}};
}

}  // namespace

Json BlockToJson(const SettingsBlock& block, const CompanionDeviceList& devices,
                 const KeyboardLayout& layout) {
  Json profiles = Json::array();
  for (const ProfileRecord& p : block.Profiles) profiles.push_back(ProfileJson(p, devices, layout));
  return Json{{"CurrentProfile", block.CurrentProfile},
              {"WindowsProfile", block.WindowsProfile},
              {"QuickHelpLan", block.QuickHelpLan},
              {"MouseType", block.MouseType},
              {"InfoData", Ints<kInfoDataSize / 4>(block.InfoData)},
              {"profiles", std::move(profiles)}};
}

}  // namespace brelfx::config_tool
