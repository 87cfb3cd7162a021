#include "settings/macro_library.h"

#include <algorithm>
#include <cstring>

#include "platform/path.h"
#include "settings/ini_file.h"
#include "settings/text_field.h"
#include "settings/trimmed_name.h"

namespace brelfx {
namespace {

constexpr char kListSection[] = "SetMacro";
constexpr char kCountKey[] = "number";
// Keys 0-35 are the ones a macro can be assigned to (M1-M5, T1-T3, the Vexa
// layer of the left keys and F1-F12); the rest never hold code 190.
constexpr int kMacroKeyCount = 36;
// A damaged count must not make a load append sets or macros until memory
// runs out. Real libraries stay far below: the manager stops at 100 sets of
// 100 macros, and start-up adds at most one per key of the five profiles.
constexpr int kMostSetsRead = 1000;
constexpr int kMostMacrosRead = 20000;

int ValidEventCount(int count) { return std::clamp(count, 0, kMaxActions); }

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The set position of a name, -1 when no set has it.
int FindSet(const MacroLibrary& library, std::string_view name) {
  for (std::size_t s = 0; s < library.size(); ++s)
    if (SameName(library[s].name, name)) return static_cast<int>(s);
  return -1;
}

bool SameEvents(const MacroRecord& macro, const KeyAssignment& key) {
  const int count = ValidEventCount(macro.EventCount);
  return count == ValidEventCount(key.ActionCount) &&
         std::memcmp(macro.Events, key.Actions, count * sizeof(MacroEvent)) == 0;
}

// The key's events, count and loop value over the macro's; slots past the
// count stay zero as the file expects.
void TakeEvents(MacroRecord& macro, const KeyAssignment& key) {
  const int count = ValidEventCount(key.ActionCount);
  macro.Loop = key.RepeatCount;
  macro.EventCount = count;
  std::memset(macro.Events, 0, sizeof(macro.Events));
  std::memcpy(macro.Events, key.Actions, count * sizeof(MacroEvent));
}

MacroRecord MacroFromKey(const KeyAssignment& key) {
  MacroRecord macro{};
  SetTextField(macro.Name, TextField(key.MacroName));
  TakeEvents(macro, key);
  return macro;
}

}  // namespace

std::string MacroLibraryFilePath(std::string_view programFolder) {
  return JoinPath(JoinPath(programFolder, "config"), "Preset_sequence.dat");
}

bool IsReservedSetName(std::string_view name) { return SameName(name, kListSection); }

MacroLibrary LoadMacroLibrary(const std::string& path, FileSystem& fs) {
  IniDocument document;
  LoadIniDocument(fs, path, document);
  return ReadMacroLibrary(document);
}

MacroLibrary ReadMacroLibrary(const IniDocument& document) {
  const int sets = std::min(document.ReadInt(kListSection, kCountKey, -1), kMostSetsRead);
  MacroLibrary library;
  for (int s = 0; s < sets; ++s)
    library.push_back(MacroSet{document.ReadString(kListSection, std::to_string(s), ""), {},
                               MacroSetState::kUnchanged});
  int budget = kMostMacrosRead;
  for (MacroSet& set : library) {
    const std::string section = TrimmedName(set.name);
    const int macros = std::min(document.ReadInt(section, kCountKey, -1), budget);
    for (int m = 0; m < macros; ++m) {
      MacroRecord macro{};
      document.ReadStruct(section, std::to_string(m), &macro, sizeof(macro));
      // The name is shown and copied as a C string.
      macro.Name[sizeof(macro.Name) - 1] = '\0';
      set.macros.push_back(macro);
    }
    budget -= std::max(macros, 0);
  }
  return library;
}

bool SaveMacroLibrary(const std::string& path, MacroLibrary& library, FileSystem& fs) {
  // The file is changed, not rebuilt: unchanged sets keep their sections.
  // One that exists but cannot be read is not replaced.
  IniDocument document;
  if (!LoadIniDocument(fs, path, document)) return false;
  document.WriteInt(kListSection, kCountKey, static_cast<int>(library.size()));
  for (std::size_t s = 0; s < library.size(); ++s)
    document.WriteString(kListSection, std::to_string(s), library[s].name);
  for (const MacroSet& set : library) {
    if (set.state == MacroSetState::kUnchanged) continue;
    const std::string section = TrimmedName(set.name);
    document.WriteInt(section, kCountKey, static_cast<int>(set.macros.size()));
    for (std::size_t m = 0; m < set.macros.size(); ++m)
      document.WriteStruct(section, std::to_string(m), &set.macros[m], sizeof(MacroRecord));
  }
  const std::string folder = FolderOf(path);
  if (!folder.empty() && fs.Kind(folder) == PathKind::kMissing) fs.CreateFolder(folder);
  if (!SaveIniDocument(fs, path, document)) return false;
  for (MacroSet& set : library) set.state = MacroSetState::kUnchanged;
  return true;
}

MacroLookup FindMacro(const MacroLibrary& library, const KeyAssignment& key) {
  MacroLookup lookup;
  lookup.set = FindSet(library, TextField(key.MacroSetName));
  if (lookup.set < 0) return lookup;
  const auto& macros = library[lookup.set].macros;
  const std::string name = TextField(key.MacroName);
  for (std::size_t m = 0; m < macros.size(); ++m) {
    if (!SameName(TextField(macros[m].Name), name)) continue;
    lookup.macro = static_cast<int>(m);
    lookup.identical = SameEvents(macros[m], key);
    break;
  }
  return lookup;
}

bool SyncMacroLibraryWithProfiles(MacroLibrary& library,
                                  const ProfileRecord (&profiles)[kProfileCount]) {
  bool changed = false;
  for (const ProfileRecord& profile : profiles) {
    for (int k = 0; k < kMacroKeyCount; ++k) {
      const KeyAssignment& key = profile.MacroKeyInfo[k];
      const std::string setName = TrimmedName(TextField(key.MacroSetName));
      if (key.FunctionCode != kFnMacro || setName.empty() || IsReservedSetName(setName)) continue;
      const MacroLookup lookup = FindMacro(library, key);
      if (lookup.found() && lookup.identical) continue;
      changed = true;
      if (lookup.set < 0) {
        library.push_back(MacroSet{setName, {MacroFromKey(key)}, MacroSetState::kCreated});
      } else if (!lookup.found()) {
        library[lookup.set].macros.push_back(MacroFromKey(key));
        library[lookup.set].state = MacroSetState::kCreated;
      } else {
        TakeEvents(library[lookup.set].macros[lookup.macro], key);
        library[lookup.set].state = MacroSetState::kModified;
      }
    }
  }
  return changed;
}

}  // namespace brelfx
