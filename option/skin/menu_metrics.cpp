#include "option/skin/menu_metrics.h"

#include <algorithm>

namespace brelfx {

int MenuItemHeight(unsigned id) {
  return id == kMenuHiddenItemId ? 0 : kMenuItemHeight;
}

bool MenuItemChoosable(unsigned id) {
  return id != kMenuHiddenItemId;
}

int MenuWidthFor(int minimumWidth, std::string_view text) {
  const std::size_t capped = std::min<std::size_t>(text.size(), 4096);
  return std::max(minimumWidth, static_cast<int>(capped) * kMenuPixelsPerCharacter);
}

}  // namespace brelfx
