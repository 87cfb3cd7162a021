// brelfx-config show DIR [--json]: the settings as the programs read them at
// start-up, as a table or as one JSON document.
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>

#include "settings/assignment_name.h"
#include "settings/block_defaults.h"
#include "settings/settings_files.h"
#include "settings/text_field.h"
#include "tools/brelfx_config/block_json.h"
#include "tools/brelfx_config/command.h"
#include "tools/brelfx_config/windows_1252.h"

namespace brelfx::config_tool {
namespace {

template <std::size_t N>
std::string Text(const char (&field)[N]) {
  return Utf8FromWindows1252(TextField(field));
}

void PrintProfile(std::ostream& out, int slot, const ProfileRecord& p,
                  const CompanionDeviceList& devices, const KeyboardLayout& layout) {
  out << "\nProfile " << slot + 1 << ": " << Text(p.ProFileName) << "\n";
  for (const auto* game : {&p.GameFile0, &p.GameFile1, &p.GameFile2})
    if ((*game)[0] != 0) out << "  game: " << Text(*game) << "\n";
  out << "  KBDelay " << p.KBDelay << "  KBSpeed " << p.KBSpeed << "  MediaOption "
      << p.MediaOption << "  HDDKeyboard " << p.HDDKeyboard << "\n";
  out << "  ModifyKey";
  for (std::int32_t m : p.ModifyKey) out << " " << m;
  out << "  Sound " << p.SoundProfile << p.SoundLRecord << p.SoundSens << p.VolumeUpDown
      << p.SoundTrophy << " volume " << p.SoundVolume << "\n";
  const LightInfo& f = p.FixedLtInfo;
  const LightInfo& c = p.CCLtInfo;
  out << "  Light: brightness " << p.LtBrightness << "  dimmer " << p.DimmerOption
      << "  timeout " << p.LtTimeout << "  on " << p.LtSwitch << "  breath " << p.LtBreathSwitch
      << "  colour type " << p.LtColorType << "  fixed " << int{f.ColorIndex} << "/"
      << int{f.Red} << "," << int{f.Green} << "," << int{f.Blue} << "  custom "
      << int{c.ColorIndex} << "/" << int{c.Red} << "," << int{c.Green} << "," << int{c.Blue}
      << "\n";
  for (const KeyAssignment& key : p.MacroKeyInfo) {
    char head[32];
    std::snprintf(head, sizeof(head), "  key %2d  0x%02X  ", key.KeyIndex, key.FunctionCode);
    out << head << Utf8FromWindows1252(DisplayName(key, devices, layout));
    if (key.ActionCount != 0) out << "  (" << key.ActionCount << " actions)";
    out << "\n";
  }
}

void PrintTable(std::ostream& out, const std::string& dir, const SettingsBlock& block,
                const CompanionDeviceList& devices, const KeyboardLayout& layout) {
  out << "Settings in " << dir << "\n";
  out << "CurrentProfile " << block.CurrentProfile << "  WindowsProfile " << block.WindowsProfile
      << "  QuickHelpLan " << block.QuickHelpLan << "  MouseType " << block.MouseType << "\n";
  out << "Companion devices: " << ValidCount(devices) << "\n";
  for (int slot = 0; slot < kProfileCount; ++slot)
    PrintProfile(out, slot, block.Profiles[slot], devices, layout);
}

int RunShow(CommandContext& context) {
  std::string dir;
  bool json = false;
  for (const std::string& arg : context.args) {
    if (arg == "--json") {
      json = true;
    } else if (dir.empty() && !arg.empty() && arg[0] != '-') {
      dir = arg;
    } else {
      ReportError(context, "usage: brelfx-config show DIR [--json]");
      return kExitUsage;
    }
  }
  if (dir.empty()) {
    ReportError(context, "usage: brelfx-config show DIR [--json]");
    return kExitUsage;
  }
  if (context.host.fs.Kind(dir) != PathKind::kFolder) {
    ReportError(context, dir + ": no such folder");
    return kExitUsage;
  }
  SettingsFiles files(dir, context.host.fs, context.host.registry);
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  ClearBlock(*block);
  files.ReadAll(*block);
  const CompanionDeviceList devices = files.ReadDeviceList();
  if (json) {
    context.out << BlockToJson(*block, devices, context.host.layout).dump() << "\n";
  } else {
    PrintTable(context.out, dir, *block, devices, context.host.layout);
  }
  return kExitOk;
}

}  // namespace

extern const Command kShowCommand{"show", "DIR [--json]",
                                  "print the settings of DIR as the programs read them",
                                  RunShow};

}  // namespace brelfx::config_tool
