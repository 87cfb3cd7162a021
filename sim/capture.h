// A record of everything that crossed the keyboard's link: every report
// received and sent (also refused and failed calls), every event and plug
// change, time-stamped. Kept in a fixed ring inside the keyboard state so that
// every process sees one capture; printed as hex lines for tests and bug
// reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/keyboard_state.h"

namespace brelfx::sim {

void RecordReport(SimCapture& capture, std::int64_t timeMs, SimCaptureKind kind, bool ok,
                  const std::uint8_t* bytes, int length);
void RecordEvent(SimCapture& capture, std::int64_t timeMs, std::uint16_t type, std::uint16_t value);
void RecordPlug(SimCapture& capture, std::int64_t timeMs, bool arrived);
void ClearCapture(SimCapture& capture);

// The entries still held, oldest first.
std::vector<const SimCaptureEntry*> CaptureEntries(const SimCapture& capture);

// "#12   1.500 set  ok   13 06 01 39 53 00"; events "#13   1.600 event type 0d00 value 0005".
std::string FormatCaptureEntry(const SimCaptureEntry& entry);
// One line per entry held, oldest first, each ending in '\n'.
std::string FormatCapture(const SimCapture& capture);

}  // namespace brelfx::sim
