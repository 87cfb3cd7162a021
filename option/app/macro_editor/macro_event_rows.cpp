#include "option/app/macro_editor/macro_event_rows.h"

#include "option/app/macro_editor/macro_key_codes.h"
#include "option/skin/lists/list_rows.h"
#include "settings/key_names.h"

namespace brelfx {
namespace {

constexpr std::uint8_t kPress = 1;

std::uint32_t StyleOf(const MacroEvent& event) {
  if (IsMouseCode(event.Code)) return kRowMouse;
  return event.Type == kPress ? kRowPress : kRowRelease;
}

std::string EventText(const MacroEvent& event, const KeyboardLayout& layout) {
  std::string name = KeyNameOfUsage(event.Code, layout);
  if (name.empty()) name = "Key " + std::to_string(event.Code);
  return name + (event.Type == kPress ? " Press" : " Release");
}

}  // namespace

std::string DelayRowText(unsigned delay) {
  return std::to_string(delay) + " ms";
}

std::vector<MacroEventRow> MacroEventRows(std::span<const MacroEvent> events,
                                          const KeyboardLayout& layout) {
  std::vector<MacroEventRow> rows;
  rows.reserve(events.size() * 2);
  for (std::size_t i = 0; i < events.size(); ++i) {
    const int position = static_cast<int>(i);
    rows.push_back({EventText(events[i], layout), RowItemData(position, StyleOf(events[i]))});
    if (events[i].Delay != 0)
      rows.push_back({DelayRowText(events[i].Delay), RowItemData(position, kRowDelay)});
  }
  return rows;
}

MacroRowTarget MacroRowTargetOf(std::uint32_t itemData) {
  return {RowEventPosition(itemData), ListRowStyleOf(itemData) == ListRowStyle::kDelay};
}

int MacroRowOfEvent(std::span<const MacroEventRow> rows, int position, bool delay) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MacroRowTarget target = MacroRowTargetOf(rows[i].itemData);
    if (target.event == position && target.delay == delay) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace brelfx
