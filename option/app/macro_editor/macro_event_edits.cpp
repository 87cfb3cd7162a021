#include "option/app/macro_editor/macro_event_edits.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace brelfx {
namespace {

bool ValidPosition(const MacroEvents& events, int position) {
  return position >= 0 && position < static_cast<int>(events.size());
}

}  // namespace

MacroEvents EventsOfMacro(const MacroRecord& macro) {
  const int count = std::clamp<int>(macro.EventCount, 0, kMaxActions);
  return MacroEvents(macro.Events, macro.Events + count);
}

void StoreEvents(const MacroEvents& events, MacroRecord& macro) {
  const std::size_t count = std::min<std::size_t>(events.size(), kMaxActions);
  std::memset(macro.Events, 0, sizeof macro.Events);
  std::copy_n(events.begin(), count, macro.Events);
  macro.EventCount = static_cast<std::int32_t>(count);
}

bool InsertDelayBefore(MacroEvents& events, int position) {
  if (!ValidPosition(events, position) || position == 0) return false;
  MacroEvent& before = events[static_cast<std::size_t>(position - 1)];
  if (before.Delay != 0) return false;
  before.Delay = 1;
  return true;
}

bool InsertMouseEvent(MacroEvents& events, int at, std::uint8_t code, MouseAction action) {
  const std::size_t adding = action == MouseAction::kClick ? 2 : 1;
  if (events.size() + adding > kMaxActions) return false;
  at = std::clamp(at, 0, static_cast<int>(events.size()));
  MacroEvents inserted;
  if (action != MouseAction::kUp) inserted.push_back({code, kEventPress, 0});
  if (action != MouseAction::kDown) inserted.push_back({code, kEventRelease, 0});
  events.insert(events.begin() + at, inserted.begin(), inserted.end());
  return true;
}

unsigned DelayOfText(std::string_view text) {
  const auto start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return 1;
  text.remove_prefix(start);
  if (!text.empty() && text.front() == '-') return 1;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  unsigned long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) return kMaxDelay;
  if (error != std::errc{}) return 1;
  return static_cast<unsigned>(std::clamp<unsigned long long>(value, 1, kMaxDelay));
}

bool SetDelay(MacroEvents& events, int position, unsigned delay) {
  if (!ValidPosition(events, position)) return false;
  events[static_cast<std::size_t>(position)].Delay =
      static_cast<std::uint16_t>(std::min(delay, kMaxDelay));
  return true;
}

bool DeleteDelay(MacroEvents& events, int position) {
  return SetDelay(events, position, 0);
}

bool DeleteEvent(MacroEvents& events, int position) {
  if (!ValidPosition(events, position)) return false;
  events.erase(events.begin() + position);
  return true;
}

int LoopValue(bool loopSwitchOn, int fieldNumber) {
  return loopSwitchOn ? ClampLoopField(fieldNumber) : 1;
}

int ClampLoopField(long long typed) {
  return static_cast<int>(std::clamp<long long>(typed, 1, 255));
}

}  // namespace brelfx
