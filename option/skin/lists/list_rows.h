// Row logic of the owner-drawn list: what a row's item data says, which row
// lies under the mouse, where the selection goes when a row is removed.
#pragma once

#include <cstdint>

namespace brelfx {

// Each row carries 32 bits of item data. The macro editor keeps the event
// position + 1 in the upper 16 bits and the row's style code in the lower.
inline constexpr uint32_t kRowDelay = 0x87;
inline constexpr uint32_t kRowRelease = 0x89;
inline constexpr uint32_t kRowPress = 0x8A;
inline constexpr uint32_t kRowMouse = 0x92;

enum class ListRowStyle { kPlain, kDelay, kPress, kRelease, kMouse };

ListRowStyle ListRowStyleOf(uint32_t itemData);

// Item data for the row of event `position` (0-based) with a style code.
uint32_t RowItemData(int position, uint32_t styleCode);
// The event position a row's item data names; -1 for rows that name none.
int RowEventPosition(uint32_t itemData);

// The row under client point y in a list showing rows of `rowHeight` pixels
// from row `topRow` on; -1 below the last row (or with no rows).
int RowAtPoint(int y, int topRow, int rowHeight, int rowCount);

// The row selected after row `removed` was taken out: the same position, or
// the last row when it was the last; -1 when the list is now empty.
int SelectionAfterRemoval(int removed, int rowCountAfter);

}  // namespace brelfx
