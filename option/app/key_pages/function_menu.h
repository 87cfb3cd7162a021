// The function menu of one key button as a tree: which functions fit the
// key (by page and button position), the macro sets and timers of the moment
// and the companion devices. The window turns the tree into CSkinMenus.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "option/app/key_pages/key_page_layout.h"
#include "settings/companion_device.h"
#include "settings/macro_library.h"
#include "settings/settings_block.h"
#include "settings/timer_file.h"

namespace brelfx {

inline constexpr int kMenuMinWidth = 122;
inline constexpr int kDeviceMenuMinWidth = 165;

struct MenuEntry {
  enum class Kind { kCommand, kSeparator, kSubmenu };
  Kind kind = Kind::kCommand;
  unsigned id = 0;  // commands only
  std::string text;
  bool highlight = false;  // the key's current macro set and macro
  int minWidth = 0;        // submenus
  std::vector<MenuEntry> items;
  bool enabled = true;  // false: shown greyed, cannot be chosen
};

// Macro sets after which a menu of sets is divided by a separator.
bool EndsMacroSetGroup(std::string_view setName);

struct FunctionMenuSources {
  const MacroLibrary& macros;
  const TimerList& timers;
  const CompanionDeviceList& devices;
};

// The root (a submenu entry without text) for button `position` of the
// page; `key` is the button's current assignment.
MenuEntry BuildFunctionMenu(KeyPageKind kind, int position, const KeyAssignment& key,
                            const FunctionMenuSources& sources);

}  // namespace brelfx
