// Sizes of the owner-drawn popup menu's items.
#pragma once

#include <string_view>

namespace brelfx {

// AppendItem with this id adds a separator line.
inline constexpr unsigned kMenuSeparatorId = 2048;
// An item with id 1 is kept in the menu but takes no height, so it can never
// be chosen.
inline constexpr unsigned kMenuHiddenItemId = 1;

inline constexpr int kMenuSeparatorHeight = 5;
inline constexpr int kMenuItemHeight = 18;
inline constexpr int kMenuPixelsPerCharacter = 8;

int MenuItemHeight(unsigned id);

// The menu is as wide as its widest text at 8 pixels a character, and never
// narrower than `minimumWidth`.
int MenuWidthFor(int minimumWidth, std::string_view text);

}  // namespace brelfx
