#include "settings/settings_files.h"

#include <cstdio>

#include "platform/path.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/keyboard_repeat_range.h"
#include "settings/profile_file.h"

namespace brelfx {
namespace {

constexpr char kKeyboardKey[] = "Control Panel\\Keyboard";

void ReadHeader(const IniDocument& config, SettingsBlock& block) {
  block.CurrentProfile = config.ReadInt(kSettingSection, "CurrentProfile", -1);
  block.WindowsProfile = config.ReadInt(kSettingSection, "WindowsProfile", -1);
  block.QuickHelpLan = config.ReadInt(kSettingSection, "QuickHelpLan", -1);
  block.MouseType = config.ReadInt(kSettingSection, "MouseType", -1);
  config.ReadStruct(kSettingSection, "InfoData", block.InfoData, sizeof(block.InfoData));
}

void WriteHeader(IniDocument& config, const SettingsBlock& block) {
  config.WriteInt(kSettingSection, "CurrentProfile", block.CurrentProfile);
  config.WriteInt(kSettingSection, "WindowsProfile", block.WindowsProfile);
  config.WriteInt(kSettingSection, "QuickHelpLan", block.QuickHelpLan);
  config.WriteInt(kSettingSection, "MouseType", block.MouseType);
  config.WriteStruct(kSettingSection, "InfoData", block.InfoData, sizeof(block.InfoData));
}

bool IsSlot(int value) { return value >= 0 && value < kProfileCount; }

}  // namespace

SettingsFiles::SettingsFiles(std::string programFolder, FileSystem& fs, Registry& registry)
    : folder_(std::move(programFolder)), fs_(fs), registry_(registry) {}

std::string SettingsFiles::ConfigIniPath() const { return JoinPath(folder_, "config.ini"); }

std::string SettingsFiles::ProfileFilePath(int slot) const {
  char name[32];
  std::snprintf(name, sizeof(name), "Default%d.tkp", slot);
  return JoinPath(JoinPath(folder_, "config"), name);
}

std::string SettingsFiles::DeviceInfoPath() const { return JoinPath(folder_, "DeviceInfo.ini"); }

bool SettingsFiles::ReadAll(SettingsBlock& block) {
  // One buffer serves every file: on Windows fresh memory for a large block
  // costs more than reading and parsing the file.
  std::string text;
  ReadHeader(fs_.ReadFile(ConfigIniPath(), text) ? IniDocument::Over(text) : IniDocument(), block);
  for (int slot = 0; slot < kProfileCount; ++slot) {
    ProfileRecord& profile = block.Profiles[slot];
    SetProfileDefaults(profile, slot);
    if (fs_.ReadFile(ProfileFilePath(slot), text)) ReadProfile(IniDocument::Over(text), profile);
  }
  if (IsSlot(block.CurrentProfile)) ReadKeyboardRepeat(registry_, block.Profiles[block.CurrentProfile]);
  return true;
}

bool SettingsFiles::WriteAll(const SettingsBlock& block) {
  if (IsSlot(block.CurrentProfile)) WriteKeyboardRepeat(registry_, block.Profiles[block.CurrentProfile]);
  bool ok = true;
  IniDocument config;
  const auto lock = LockSettingsFileUpdates();
  if (LoadIniDocument(fs_, ConfigIniPath(), config)) {
    WriteHeader(config, block);
    ok = SaveIniDocument(fs_, ConfigIniPath(), config);
  } else {
    ok = false;
  }
  return WriteProfileFiles(block) && ok;
}

bool SettingsFiles::WriteProfileFiles(const SettingsBlock& block) {
  fs_.CreateFolder(JoinPath(folder_, "config"));
  bool ok = true;
  for (int slot = 0; slot < kProfileCount; ++slot)
    ok = WriteProfileFile(fs_, ProfileFilePath(slot), block.Profiles[slot]) && ok;
  return ok;
}

void SettingsFiles::RemoveStaleTemporaryFiles() {
  brelfx::RemoveStaleTemporaryFiles(fs_, folder_);
  brelfx::RemoveStaleTemporaryFiles(fs_, JoinPath(folder_, "config"));
}

void ReadKeyboardRepeat(Registry& registry, ProfileRecord& profile) {
  if (auto delay = registry.ReadUserString(kKeyboardKey, "KeyboardDelay"))
    profile.KBDelay = LeadingDecimal(*delay);
  if (auto speed = registry.ReadUserString(kKeyboardKey, "KeyboardSpeed"))
    profile.KBSpeed = LeadingDecimal(*speed);
}

// A profile file without KBDelay or KBSpeed reads -1; Windows knows only
// delays 0-3 and speeds 0-31, so anything else stays out of the registry and
// the user's own key repeat is kept.
bool WriteKeyboardRepeat(Registry& registry, const ProfileRecord& profile) {
  const auto write = [&](const char* value, int number, bool known) {
    return !known || registry.WriteUserString(kKeyboardKey, value, std::to_string(number));
  };
  const bool delay = write("KeyboardDelay", profile.KBDelay, IsWindowsKeyboardDelay(profile.KBDelay));
  const bool speed = write("KeyboardSpeed", profile.KBSpeed, IsWindowsKeyboardSpeed(profile.KBSpeed));
  return delay && speed;
}

bool FileExists(FileSystem& fs, const std::string& path) { return fs.Kind(path) == PathKind::kFile; }

}  // namespace brelfx
