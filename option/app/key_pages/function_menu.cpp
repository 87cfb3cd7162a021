#include "option/app/key_pages/function_menu.h"

#include <algorithm>
#include <cstdio>

#include "option/app/key_pages/function_command_ids.h"
#include "option/app/timers/timer_rules.h"
#include "settings/trimmed_name.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

namespace id = function_id;

MenuEntry Command(unsigned commandId, std::string text, bool highlight = false) {
  return MenuEntry{MenuEntry::Kind::kCommand, commandId, std::move(text), highlight, 0, {}};
}

MenuEntry Separator() { return MenuEntry{MenuEntry::Kind::kSeparator, 0, {}, false, 0, {}}; }

MenuEntry Submenu(std::string text, std::vector<MenuEntry> items, bool highlight = false,
                  int minWidth = kMenuMinWidth) {
  return MenuEntry{MenuEntry::Kind::kSubmenu, 0, std::move(text), highlight, minWidth,
                   std::move(items)};
}

MenuEntry MacroSubmenu(bool withPlayPause, const KeyAssignment& key, const MacroLibrary& library) {
  std::vector<MenuEntry> items{Command(id::kCreateMacro, "Create New Macro...")};
  if (withPlayPause) items.push_back(Command(id::kMacroPlayPause, "Macro-Play/Pause"));
  // The key's set and macro as the library finds them (trimmed, ignoring case).
  const MacroLookup current = key.FunctionCode == kFnMacro ? FindMacro(library, key) : MacroLookup{};
  const int sets = std::min<int>(static_cast<int>(library.size()), id::kMaxMacroSets);
  if (sets > 0) items.push_back(Separator());
  for (int s = 0; s < sets; ++s) {
    const MacroSet& set = library[s];
    const bool currentSet = s == current.set;
    std::vector<MenuEntry> setItems{Command(id::kEditMacroSet + s, "Edit Macro...")};
    const int macros = std::min<int>(static_cast<int>(set.macros.size()), id::kMaxMacrosPerSet);
    if (macros > 0) setItems.push_back(Separator());
    for (int m = 0; m < macros; ++m) {
      const std::string name = TextField(set.macros[m].Name);
      setItems.push_back(
          Command(id::kFirstMacro + 100 * s + m, name, currentSet && m == current.macro));
    }
    items.push_back(Submenu(TrimmedName(set.name), std::move(setItems), currentSet));
    if (EndsMacroSetGroup(TrimmedName(set.name))) items.push_back(Separator());
  }
  return Submenu("Macro + Preset Function", std::move(items));
}

MenuEntry TimerSubmenu(const TimerList& timers) {
  MenuEntry create = Command(id::kCreateTimer, "Create Timer");
  create.enabled = CanCreateTimer(timers);  // the list is full at 50
  std::vector<MenuEntry> items{std::move(create),
                               Command(id::kEditTimers, "Edit/Delete Timer"),
                               Command(id::kStopTimer, "Stop Timer")};
  // Only the first 50 have ids the command handler knows.
  const int count = std::min<int>(static_cast<int>(timers.size()), id::kMaxTimers);
  if (count > 0) items.push_back(Separator());
  for (int t = 0; t < count; ++t) items.push_back(Command(id::kFirstTimer + t, TextField(timers[t].name)));
  return Submenu("Assign a Timer", std::move(items));
}

MenuEntry ProfileSubmenu() {
  std::vector<MenuEntry> items{Command(id::kProfileCycle, "Profile Cycle"),
                               Command(id::kProfileUp, "Profile Up"),
                               Command(id::kProfileDown, "Profile Down")};
  for (int p = 0; p < kProfileCount; ++p)
    items.push_back(Command(id::kProfile1 + p, "Profile " + std::to_string(p + 1)));
  return Submenu("Profile", std::move(items));
}

MenuEntry MultimediaSubmenu() {
  return Submenu("Multimedia",
                 {Command(id::kMute, "Windows Mute"), Command(id::kVolumeUp, "Windows Volume Up"),
                  Command(id::kVolumeDown, "Windows Volume Down"), Separator(),
                  Command(id::kOpenPlayer, "Open Player"),
                  Command(id::kPreviousTrack, "Previous Track"),
                  Command(id::kNextTrack, "Next Track"), Command(id::kPlayPause, "Play/Pause"),
                  Command(id::kStop, "Stop")});
}

MenuEntry InternetSubmenu() {
  constexpr const char* kTexts[] = {"WWW Search", "WWW Home",    "WWW Back",     "WWW Forward",
                                    "WWW Stop",   "WWW Refresh", "WWW Favorites"};
  std::vector<MenuEntry> items;
  for (unsigned i = 0; i < std::size(kTexts); ++i) items.push_back(Command(id::kWwwSearch + i, kTexts[i]));
  return Submenu("Internet Explorer", std::move(items));
}

MenuEntry SystemSubmenu() {
  return Submenu("System", {Command(id::kShutDown, "Shut Down"), Command(id::kShutDown + 1, "Sleep"),
                            Command(id::kShutDown + 2, "Wake")});
}

// The five sensitivity steps of a device; a step without a value is shown
// by its number alone.
std::string KalimText(const CompanionDevice& device, int step) {
  char text[32];
  const int value = device.CPI[step];
  if (value > 0)
    std::snprintf(text, sizeof(text), "Kalim %d DPI", value);
  else
    std::snprintf(text, sizeof(text), "Kalim #%d", step + 1);
  return text;
}

MenuEntry TalkSubmenu(const CompanionDeviceList& devices) {
  std::vector<MenuEntry> items{Command(id::kVexaAllDevices, "Vexa all devices")};
  const int count = std::min(ValidCount(devices), id::kMaxTalkDevices);
  if (count > 0) items.push_back(Separator());
  for (int i = 0; i < count; ++i) {
    const CompanionDevice& device = devices.Devices[i];
    const std::string name = TextField(device.Name);
    const unsigned base = id::kVexaAllDevices + 10 * static_cast<unsigned>(i + 1);
    std::vector<MenuEntry> deviceItems{Command(base, "Vexa " + name),
                                       Command(base + 1, "Vexa " + name + " Lock/Unlock"),
                                       Separator()};
    for (int step = 0; step < kCpiSteps; ++step)
      deviceItems.push_back(Command(base + 2 + step, KalimText(device, step)));
    items.push_back(Submenu("Tarvek Talk: " + name, std::move(deviceItems), false, kDeviceMenuMinWidth));
  }
  return Submenu("Tarvek Talk", std::move(items));
}

std::vector<MenuEntry> Applications() {
  return {Command(id::kEMail, "EMail"), Command(id::kEMail + 1, "Calculator"),
          Command(id::kEMail + 2, "My Computer"), Command(id::kEMail + 3, "IE Browser")};
}

void Append(std::vector<MenuEntry>& items, std::vector<MenuEntry> more) {
  for (auto& entry : more) items.push_back(std::move(entry));
}

std::vector<MenuEntry> MainTree(int p, const KeyAssignment& key, const FunctionMenuSources& sources) {
  const bool capsLock = p == 0 || p == 1;
  const bool standardLayer = p == 0 || (p >= 2 && p <= 6) || (p >= 12 && p <= 14);
  std::vector<MenuEntry> items;
  if (standardLayer) {
    items.push_back(Command(id::kOwnVexa, "Vexa Brel FX"));
    items.push_back(TalkSubmenu(sources.devices));
  }
  if (!capsLock)
    Append(items, {MacroSubmenu(true, key, sources.macros), TimerSubmenu(sources.timers),
                   ProfileSubmenu(), MultimediaSubmenu(), InternetSubmenu(), SystemSubmenu()});
  Append(items, {Separator(), Command(id::kStandard, "Standard")});
  if (!capsLock) {
    items.push_back(Command(id::kShortcut, "Assign a Shortcut"));
    Append(items, Applications());
    items.push_back(Command(id::kQuickLaunch, "Quicklaunch"));
  }
  items.push_back(Command(id::kDisabled, "Disabled"));
  if (!capsLock) items.push_back(Command(id::kOpenDriver, "Open Driver"));
  return items;
}

std::vector<MenuEntry> ZonixTree(const KeyAssignment& key, const FunctionMenuSources& sources) {
  return {MacroSubmenu(true, key, sources.macros), TimerSubmenu(sources.timers), Separator(),
          Command(id::kStandard, "Standard"), Command(id::kShortcut, "Assign a Shortcut"),
          Command(id::kQuickLaunch, "Quicklaunch"), Command(id::kDisabled, "Disabled")};
}

std::vector<MenuEntry> MediaTree(int p, const FunctionMenuSources& sources) {
  constexpr int kFunctionKeys = 12;
  if (p < kFunctionKeys)
    return {TimerSubmenu(sources.timers), ProfileSubmenu(), Separator(),
            Command(id::kStandard, "Standard"), Command(id::kMacroPlayPause, "Macro-Play/Pause"),
            Command(id::kShortcut, "Assign a Shortcut"), Command(id::kQuickLaunch, "Quicklaunch"),
            Command(id::kDisabled, "Disabled")};
  std::vector<MenuEntry> items{MultimediaSubmenu(), InternetSubmenu(), SystemSubmenu(), Separator(),
                               Command(id::kStandard, "Standard")};
  Append(items, Applications());
  items.push_back(Command(id::kDisabled, "Disabled"));
  return items;
}

}  // namespace

// The two game families most users keep their macros in.
bool EndsMacroSetGroup(std::string_view setName) {
  return setName == "World of Warcraft" || setName == "Xfire";
}

MenuEntry BuildFunctionMenu(KeyPageKind kind, int position, const KeyAssignment& key,
                            const FunctionMenuSources& sources) {
  switch (kind) {
    case KeyPageKind::kMain: return Submenu({}, MainTree(position, key, sources));
    case KeyPageKind::kZonix: return Submenu({}, ZonixTree(key, sources));
    case KeyPageKind::kMedia: return Submenu({}, MediaTree(position, sources));
  }
  return Submenu({}, {});
}

}  // namespace brelfx
