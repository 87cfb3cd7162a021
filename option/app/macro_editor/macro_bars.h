// A macro as bars on a time axis: one bar per key press with its release.
// Times are milliseconds from the macro's start (the sum of the delays of
// the events before). Positions are the events' places in the list, which
// order events that happen at the same time.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "option/app/macro_editor/macro_event_edits.h"

namespace brelfx {

struct MacroBar {
  std::uint8_t code = 0;
  std::uint32_t pressTime = 0;
  std::uint32_t releaseTime = 0;
  int pressPosition = 0;
  int releasePosition = 0;
};

// A release closes the most recent open press of its code; presses without
// a release and releases without a press give no bar. Bars come in the order
// of their presses.
std::vector<MacroBar> BarsOfEvents(std::span<const MacroEvent> events);

// Each bar gives its press and its release; events in time order (equal
// times by position), each delay the time to the next event (held to
// 65535), the last delay 0. At most 250 bars are used (500 events).
MacroEvents EventsOfBars(std::span<const MacroBar> bars);

}  // namespace brelfx
