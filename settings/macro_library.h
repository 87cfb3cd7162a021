// The macro library in memory: the sets of recorded macros the user assigns
// to keys. A key gets its own copy of a macro (name, loop value, events), so
// the pages only read the library while a menu is open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

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

}  // namespace brelfx
