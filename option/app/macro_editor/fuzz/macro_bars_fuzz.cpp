// Events -> bars -> events: never a crash, whatever the events or bars; and
// for a macro whose every press has its release and whose last delay is 0
// the way there and back gives the very same events.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "option/app/macro_editor/macro_bars.h"

namespace {

brelfx::MacroEvents EventsOf(const std::uint8_t* data, std::size_t size) {
  brelfx::MacroEvents events(std::min<std::size_t>(size / 4, brelfx::kMaxActions));
  if (!events.empty()) std::memcpy(events.data(), data, events.size() * 4);
  return events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte picks how the rest is read: as events, or as bars.
  const bool asBars = data[0] & 1;
  ++data;
  --size;
  if (asBars) {
    std::vector<brelfx::MacroBar> bars(size / sizeof(brelfx::MacroBar));
    if (!bars.empty())
      std::memcpy(static_cast<void*>(bars.data()), data, bars.size() * sizeof(brelfx::MacroBar));
    const brelfx::MacroEvents events = brelfx::EventsOfBars(bars);
    if (events.size() > brelfx::kMaxActions || events.size() % 2) std::abort();
    return 0;
  }
  brelfx::MacroEvents events = EventsOf(data, size);
  // Steer most inputs towards presses and releases of a few keys.
  for (brelfx::MacroEvent& event : events) {
    event.Type = 1 + (event.Type & 1);
    event.Code = 4 + event.Code % 4;
  }
  if (!events.empty()) events.back().Delay = 0;
  const std::vector<brelfx::MacroBar> bars = brelfx::BarsOfEvents(events);
  const brelfx::MacroEvents back = brelfx::EventsOfBars(bars);
  if (bars.size() * 2 != events.size()) return 0;  // unpaired: not the same macro
  if (back.size() != events.size()) std::abort();
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (back[i].Code != events[i].Code || back[i].Type != events[i].Type ||
        back[i].Delay != events[i].Delay) {
      std::abort();
    }
  }
  return 0;
}
