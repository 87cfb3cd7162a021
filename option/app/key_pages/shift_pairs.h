// The shift-pair rule: while a standard key (M1-M5, T1-T3) carries a Vexa
// function, its Vexa-layer twin cannot be reached and is blocked (code
// 223); the twin's own function is kept aside and comes back once the
// standard key loses the Vexa function.
#pragma once

#include <array>
#include <cstdint>

#include "settings/settings_block.h"

namespace brelfx {

// The functions kept aside, one per pair. They live as long as the process
// and are not tied to a profile, like the pages that use them.
class ShiftPairs {
 public:
  // Runs the rule for `keyIndex` of the profile after its code changed;
  // nothing when it is not the standard key of a pair.
  void Apply(ProfileRecord& profile, std::int32_t (&keyChanged)[kKeyCount], int keyIndex);

 private:
  std::array<std::uint8_t, 8> saved_{};
};

// The one the pages of this process share.
ShiftPairs& ProcessShiftPairs();

// 140, 245, 246 and 255: the key acts as a Vexa key.
bool IsVexaCode(std::uint8_t code);

}  // namespace brelfx
