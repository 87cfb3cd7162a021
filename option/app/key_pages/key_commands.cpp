#include "option/app/key_pages/key_commands.h"

#include <cstring>

#include "option/app/key_pages/function_command_ids.h"
#include "option/app/timers/timer_rules.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

namespace id = function_id;

// Each timer the list may hold has its menu id.
static_assert(kMostTimers == id::kMaxTimers);

bool IsTimerCommand(unsigned command) {
  return command >= id::kFirstTimer && command < id::kFirstTimer + id::kMaxTimers;
}
bool IsMacroCommand(unsigned command) {
  return command >= id::kFirstMacro && command < id::kEditMacroSet;
}
bool IsDeviceCommand(unsigned command) {
  return command >= id::kVexaAllDevices && command <= id::kLastDeviceCommand;
}

void ClearMacroData(KeyAssignment& key) {
  key.ActionCount = 0;
  key.RepeatCount = 0;
  std::memset(key.Actions, 0, sizeof(key.Actions));
  SetTextField(key.MacroSetName, "");
  SetTextField(key.MacroName, "");
}

// The data the new function needs; false when what the command names no
// longer exists (the key is then left alone).
bool WriteSideData(unsigned command, std::uint8_t code, KeyAssignment& key,
                   const KeyCommandContext& context) {
  if (IsMacroCommand(command)) {
    const unsigned set = (command - id::kFirstMacro) / 100, macro = (command - id::kFirstMacro) % 100;
    if (set >= context.macros.size() || macro >= context.macros[set].macros.size()) return false;
    const MacroRecord& record = context.macros[set].macros[macro];
    const int count = record.EventCount < 0 ? 0 : record.EventCount > kMaxActions ? kMaxActions
                                                                                   : record.EventCount;
    key.ActionCount = static_cast<std::uint16_t>(count);
    key.RepeatCount = record.Loop;
    SetTextField(key.MacroSetName, context.macros[set].name);
    SetTextField(key.MacroName, TextField(record.Name));
    std::memcpy(key.Actions, record.Events, sizeof(key.Actions));
    return true;
  }
  if (IsTimerCommand(command)) {
    const unsigned position = command - id::kFirstTimer;
    if (position >= context.timers.size()) return false;
    ClearMacroData(key);
    key.TimerLength = context.timers[position].seconds;
    SetTextField(key.TimerName, TextField(context.timers[position].name));
    return true;
  }
  if (IsDeviceCommand(command)) {
    const int device = static_cast<int>(command - id::kVexaAllDevices) / 10;  // 1-based; 0 all
    if (device > ValidCount(context.devices)) return false;
    key.TargetPid = device == 0 ? 0xFFFF : context.devices.Devices[device - 1].PID;
  }
  if (code != kFnMacro && code != kFnShortcut) ClearMacroData(key);
  return true;
}

void AppendTimer(KeyCommandContext& context) {
  if (!CanCreateTimer(context.timers)) return;
  std::string name;
  int seconds = 0;
  if (!context.ui.CreateTimer(context.timers, name, seconds)) return;
  context.timers.push_back(MakeTimer(name, seconds));
  context.saveTimers(context.timers);
}

void EditTimers(KeyCommandContext& context) {
  if (context.timers.empty()) return;
  TimerList edited = context.timers;
  if (!context.ui.EditTimers(edited)) return;
  context.timers = std::move(edited);
  context.saveTimers(context.timers);
}

// The dialog's answer, written over the key; nothing on Cancel.
bool AskDialogData(unsigned command, KeyAssignment& key, KeyCommandUi& ui) {
  if (command == id::kShortcut) {
    ShortcutKeys keys{key.Actions[0].Code, key.Actions[0].Type};
    if (!ui.AskShortcut(keys)) return false;
    ClearMacroData(key);
    key.ActionCount = 1;
    key.Actions[0] = MacroEvent{keys.usage, keys.modifiers, 0};
    return true;
  }
  if (command == id::kQuickLaunch) {
    std::string path = key.FunctionCode == kFnQuickLaunch ? TextField(key.LaunchPath) : "";
    if (!ui.AskQuickLaunch(path)) return false;
    // A cut path would start some other program: keep the key as it was.
    if (path.size() >= sizeof(key.LaunchPath)) return false;
    SetTextField(key.LaunchPath, path);
  }
  return true;
}

const KeyAssignment& CurrentKey(const SettingsBlock& block, int keyIndex) {
  return block.Profiles[block.CurrentProfile].MacroKeyInfo[keyIndex];
}

}  // namespace

std::optional<std::uint8_t> FunctionCodeFor(unsigned command) {
  if (IsTimerCommand(command)) return 188;
  if (IsMacroCommand(command)) return kFnMacro;
  if (command == id::kVexaAllDevices) return 140;
  if (IsDeviceCommand(command)) {
    const unsigned function = (command - id::kVexaAllDevices) % 10;
    if (function > 6) return std::nullopt;
    return static_cast<std::uint8_t>(245 + function);
  }
  if (command >= id::kProfile1 && command < id::kProfile1 + 5) return 179 + (command - id::kProfile1);
  if (command >= id::kEMail && command <= id::kEMail + 3) return 192 + (command - id::kEMail);
  if (command >= id::kWwwSearch && command <= id::kWwwSearch + 6) return 196 + (command - id::kWwwSearch);
  if (command >= id::kShutDown && command <= id::kShutDown + 2) return 129 + (command - id::kShutDown);
  switch (command) {
    case id::kDisabled: return 0;
    case id::kProfileUp: return 176;
    case id::kProfileDown: return 177;
    case id::kProfileCycle: return 178;
    case id::kShortcut: return kFnShortcut;
    case id::kQuickLaunch: return kFnQuickLaunch;
    case id::kMacroPlayPause: return 186;
    case id::kStopTimer: return 189;
    case id::kOpenPlayer: return 203;
    case id::kPlayPause: return 204;
    case id::kNextTrack: return 205;
    case id::kPreviousTrack: return 206;
    case id::kStop: return 207;
    case id::kVolumeUp: return 208;
    case id::kVolumeDown: return 209;
    case id::kMute: return 210;
    case id::kOpenDriver: return 221;
    case id::kStandard: return kFnStandard;
    case id::kOwnVexa: return kFnOwnVexa;
    default: return std::nullopt;
  }
}

bool RunKeyCommand(unsigned command, int keyIndex, KeyCommandContext& context) {
  SettingsBlock& block = context.block;
  if (block.CurrentProfile < 0 || block.CurrentProfile >= kProfileCount) return false;
  if (keyIndex < 0 || keyIndex >= kKeyCount) return false;
  switch (command) {
    case id::kCreateTimer: AppendTimer(context); return false;
    case id::kEditTimers: EditTimers(context); return false;
    case id::kCreateMacro:
      context.ui.OpenMacroManager(true, -1, &CurrentKey(block, keyIndex));
      return false;
    default: break;
  }
  if (command >= id::kEditMacroSet && command < id::kEditMacroSet + id::kMaxMacroSets) {
    context.ui.OpenMacroManager(false, static_cast<int>(command - id::kEditMacroSet),
                                &CurrentKey(block, keyIndex));
    return false;
  }
  const std::optional<std::uint8_t> code = FunctionCodeFor(command);
  if (!code) return false;

  ProfileRecord& profile = block.Profiles[block.CurrentProfile];
  // Worked on a copy: a cancelled dialog or a vanished macro, timer or
  // device leaves the key exactly as it was.
  KeyAssignment key = profile.MacroKeyInfo[keyIndex];
  if (!AskDialogData(command, key, context.ui)) return false;
  if (!WriteSideData(command, *code, key, context)) return false;
  const std::uint8_t previous = key.FunctionCode;
  key.FunctionCode = *code;
  profile.MacroKeyInfo[keyIndex] = key;

  auto& changed = block.KeyChanged[block.CurrentProfile];
  changed[keyIndex] = 1;
  if (*code != previous) context.shiftPairs.Apply(profile, changed, keyIndex);
  return true;
}

}  // namespace brelfx
