// The macro manager's set selector: one item per set (ids 2000 + position),
// the group separators of the key menus, then adding and deleting a set.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "option/app/key_pages/function_menu.h"
#include "settings/macro_library.h"

namespace brelfx::macro_set_menu {

inline constexpr unsigned kFirstSet = 2000;
inline constexpr unsigned kAddSet = 2998;
inline constexpr unsigned kDeleteSet = 2999;
inline constexpr int kMinWidth = 176;

// `highlightedSet` is the set of the key the manager was opened for ("" for none).
std::vector<MenuEntry> Build(const MacroLibrary& library, std::string_view highlightedSet);

// The set position a command chooses, if it is a set item.
std::optional<int> SetOfCommand(unsigned id, const MacroLibrary& library);

}  // namespace brelfx::macro_set_menu
