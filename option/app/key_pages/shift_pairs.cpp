#include "option/app/key_pages/shift_pairs.h"

namespace brelfx {
namespace {

struct ShiftPair {
  int standard, vexaLayer;
};
constexpr ShiftPair kPairs[8] = {{30, 33}, {31, 34}, {32, 35}, {0, 5},
                                 {1, 6},   {2, 7},   {3, 8},   {4, 9}};

}  // namespace

bool IsVexaCode(std::uint8_t code) {
  return code == 0x8C || code == kFnVexaDevice || code == kFnVexaDeviceLock || code == kFnOwnVexa;
}

void ShiftPairs::Apply(ProfileRecord& profile, std::int32_t (&keyChanged)[kKeyCount], int keyIndex) {
  for (int slot = 0; slot < 8; ++slot) {
    if (kPairs[slot].standard != keyIndex) continue;
    std::uint8_t& twin = profile.MacroKeyInfo[kPairs[slot].vexaLayer].FunctionCode;
    if (IsVexaCode(profile.MacroKeyInfo[keyIndex].FunctionCode)) {
      if (twin != kFnDisabledToo) {
        saved_[slot] = twin;
        twin = kFnDisabledToo;
      }
    } else if (twin == kFnDisabledToo) {
      // Only codes other than 223 are kept aside, and a pair whose twin
      // was blocked before this program ran has none: it becomes 0.
      twin = saved_[slot];
    }
    keyChanged[kPairs[slot].vexaLayer] = 1;
    return;
  }
}

ShiftPairs& ProcessShiftPairs() {
  static ShiftPairs pairs;
  return pairs;
}

}  // namespace brelfx
