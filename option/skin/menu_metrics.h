// Sizes of the owner-drawn popup menu's items.
#pragma once

#include <string_view>

namespace brelfx {

// An item with id 1 is kept in the menu but takes no height and is disabled,
// so neither the mouse nor the arrow keys and Enter can ever choose it (1 is
// IDOK to a dialog).
inline constexpr unsigned kMenuHiddenItemId = 1;

inline constexpr int kMenuSeparatorHeight = 5;
inline constexpr int kMenuItemHeight = 18;
inline constexpr int kMenuPixelsPerCharacter = 8;

// The height of a command item. Every id is a command; separators are
// appended by their own call and are kMenuSeparatorHeight high.
int MenuItemHeight(unsigned id);

// False for the hidden item: it is appended disabled.
bool MenuItemChoosable(unsigned id);

// The menu is as wide as its widest text at 8 pixels a character, and never
// narrower than `minimumWidth`.
int MenuWidthFor(int minimumWidth, std::string_view text);

}  // namespace brelfx
