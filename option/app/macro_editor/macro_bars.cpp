#include "option/app/macro_editor/macro_bars.h"

#include <algorithm>
#include <tuple>

namespace brelfx {
namespace {

struct OpenPress {
  std::uint8_t code;
  std::uint32_t time;
  int position;
};

struct TimedEvent {
  std::uint32_t time;
  int position;
  MacroEvent event;
};

}  // namespace

std::vector<MacroBar> BarsOfEvents(std::span<const MacroEvent> events) {
  std::vector<MacroBar> bars;
  std::vector<OpenPress> open;
  std::uint32_t time = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const MacroEvent& event = events[i];
    const int position = static_cast<int>(i);
    if (event.Type == kEventPress) {
      open.push_back({event.Code, time, position});
    } else if (event.Type == kEventRelease) {
      const auto press = std::find_if(open.rbegin(), open.rend(),
                                      [&](const OpenPress& p) { return p.code == event.Code; });
      if (press != open.rend()) {
        bars.push_back({event.Code, press->time, time, press->position, position});
        open.erase(std::next(press).base());
      }
    }
    time += event.Delay;
  }
  std::sort(bars.begin(), bars.end(),
            [](const MacroBar& a, const MacroBar& b) { return a.pressPosition < b.pressPosition; });
  return bars;
}

MacroEvents EventsOfBars(std::span<const MacroBar> bars) {
  const std::size_t used = std::min<std::size_t>(bars.size(), kMaxActions / 2);
  std::vector<TimedEvent> timed;
  timed.reserve(used * 2);
  for (const MacroBar& bar : bars.first(used)) {
    timed.push_back({bar.pressTime, bar.pressPosition, {bar.code, kEventPress, 0}});
    timed.push_back({bar.releaseTime, bar.releasePosition, {bar.code, kEventRelease, 0}});
  }
  std::stable_sort(timed.begin(), timed.end(), [](const TimedEvent& a, const TimedEvent& b) {
    return std::tie(a.time, a.position) < std::tie(b.time, b.position);
  });
  MacroEvents events;
  events.reserve(timed.size());
  for (std::size_t i = 0; i < timed.size(); ++i) {
    MacroEvent event = timed[i].event;
    if (i + 1 < timed.size())
      event.Delay = static_cast<std::uint16_t>(
          std::min<std::uint32_t>(timed[i + 1].time - timed[i].time, kMaxDelay));
    events.push_back(event);
  }
  return events;
}

}  // namespace brelfx
