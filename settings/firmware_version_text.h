// The firmware version the option application shows, from "FWVersion"
// (version × 100, so 105 is firmware 1.05).
#pragma once

#include <string>

namespace brelfx {

enum class FirmwareTextRule {
  kStartUp,    // only 100-500 are believed
  kAfterSync,  // any value from 100 up, just read from the keyboard
};

// "1.05" for 105; "N/A" for a value the rule does not accept.
std::string FirmwareVersionText(int fwVersion, FirmwareTextRule rule);

}  // namespace brelfx
