// The rows of the macro editor's event list: "<key> Press" or
// "<key> Release" for each event, and after an event with a delay a row
// "<n> ms". Each row's item data holds the event position + 1 in its upper
// 16 bits and the row's style code in the lower (the list draws by it).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/keyboard_layout.h"
#include "settings/settings_block.h"

namespace brelfx {

struct MacroEventRow {
  std::string text;
  std::uint32_t itemData = 0;
};

std::vector<MacroEventRow> MacroEventRows(std::span<const MacroEvent> events,
                                          const KeyboardLayout& layout);

std::string DelayRowText(unsigned delay);

// What a row of the list stands for.
struct MacroRowTarget {
  int event = -1;      // position of the event the row belongs to; -1 for none
  bool delay = false;  // the row is the event's delay row
};
MacroRowTarget MacroRowTargetOf(std::uint32_t itemData);

// The row that shows event `position` (or its delay row); -1 when there is none.
int MacroRowOfEvent(std::span<const MacroEventRow> rows, int position, bool delay);

}  // namespace brelfx
