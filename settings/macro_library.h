// The macro library in memory: the sets of recorded macros the user assigns
// to keys. A key gets its own copy of a macro (name, loop value, events), so
// the pages only read the library while a menu is open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/file_system.h"
#include "settings/ini_document.h"
#include "settings/settings_block.h"

namespace brelfx {

#pragma pack(push, 1)
// Byte for byte the record of the library file.
struct MacroRecord {
  char Name[52];  // zero-terminated
  std::int32_t Loop;
  std::int32_t EventCount;  // 0-500
  MacroEvent Events[kMaxActions];
};
#pragma pack(pop)
static_assert(sizeof(MacroRecord) == 2060);
static_assert(offsetof(MacroRecord, Loop) == 52);
static_assert(offsetof(MacroRecord, EventCount) == 56);
static_assert(offsetof(MacroRecord, Events) == 60);
static_assert(std::is_trivially_copyable_v<MacroRecord>);

enum class MacroSetState { kUnchanged = 0, kCreated = 1, kModified = 3 };

struct MacroSet {
  std::string name;
  std::vector<MacroRecord> macros;
  MacroSetState state = MacroSetState::kUnchanged;
};

using MacroLibrary = std::vector<MacroSet>;

// config\Preset_sequence.dat in the program's folder.
std::string MacroLibraryFilePath(std::string_view programFolder);

// Section "SetMacro" lists the sets ("number", then the names by position);
// each set's macros sit in the section of its trimmed name. A damaged macro
// key gives the all-zero macro, which is still listed; a missing file gives
// an empty library. Every set loads unchanged.
MacroLibrary LoadMacroLibrary(const std::string& path, FileSystem& fs = SystemFileSystem());
// The same from the file's text already parsed.
MacroLibrary ReadMacroLibrary(const IniDocument& document);

// Rewrites the set list and the sections of the sets not unchanged, which
// then count as unchanged. Sections and keys nobody lists any more stay in
// the file unread. The new file replaces the old one only once complete;
// false (states kept, so the next save writes them again) when it could not.
bool SaveMacroLibrary(const std::string& path, MacroLibrary& library,
                      FileSystem& fs = SystemFileSystem());

// Where a key's macro is in the library: set and macro by trimmed name
// without regard to case (-1 when missing); identical when the event counts
// and the events up to the count match (the loop value is not compared).
struct MacroLookup {
  int set = -1;
  int macro = -1;
  bool identical = false;
  bool found() const { return macro >= 0; }
};
MacroLookup FindMacro(const MacroLibrary& library, const KeyAssignment& key);

// Start-up: every macro a key of the five profiles holds goes back into the
// library (set and macro appended when missing, events taken over when they
// differ), so the file again holds everything the profiles use. True when
// the library changed.
bool SyncMacroLibraryWithProfiles(MacroLibrary& library, const ProfileRecord (&profiles)[kProfileCount]);

// "SetMacro" is the file's own list section: a set of that name (any case)
// would overwrite the list, so no such set is ever made.
bool IsReservedSetName(std::string_view name);

}  // namespace brelfx
