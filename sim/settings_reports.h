// The keyboard's side of the settings reports: taking a report the host sent
// into its profiles, and answering a read from them.
#pragma once

#include <cstdint>

#include "sim/keyboard_state.h"
#include "sim/report_layout.h"

namespace brelfx::sim {

// Takes a whole report of the given format (format.size bytes) sent by the
// host and returns the status the keyboard reports for it: done when it was
// stored, failure when it was refused (bad length byte, profile or key out of
// range, wrong checksum, a code the keyboard does not know). A refused report
// changes nothing.
std::uint8_t ReceiveSettingsReport(SimKeyboardState& state, const ReportFormat& format,
                                   const std::uint8_t* report);

// Fills out (format.size bytes, zeroed first) with the keyboard's answer to a
// read. A profile-bound report is answered only when the last read request
// selected it; false otherwise.
bool SendSettingsReport(const SimKeyboardState& state, const ReportFormat& format,
                        std::uint8_t* out);

}  // namespace brelfx::sim
