#include "option/skin/lists/list_rows.h"

#include <algorithm>

namespace brelfx {

ListRowStyle ListRowStyleOf(uint32_t itemData) {
  switch (itemData & 0xFFFF) {
    case kRowDelay:
      return ListRowStyle::kDelay;
    case kRowPress:
      return ListRowStyle::kPress;
    case kRowRelease:
      return ListRowStyle::kRelease;
    case kRowMouse:
      return ListRowStyle::kMouse;
    default:
      return ListRowStyle::kPlain;
  }
}

uint32_t RowItemData(int position, uint32_t styleCode) {
  return (static_cast<uint32_t>(position + 1) << 16) | (styleCode & 0xFFFF);
}

int RowEventPosition(uint32_t itemData) {
  return static_cast<int>(itemData >> 16) - 1;
}

int RowAtPoint(int y, int topRow, int rowHeight, int rowCount) {
  if (y < 0 || rowHeight <= 0 || topRow < 0) return -1;
  const long long row = static_cast<long long>(topRow) + y / rowHeight;
  return row < rowCount ? static_cast<int>(row) : -1;
}

int SelectionAfterRemoval(int removed, int rowCountAfter) {
  if (rowCountAfter <= 0) return -1;
  return std::clamp(removed, 0, rowCountAfter - 1);
}

}  // namespace brelfx
