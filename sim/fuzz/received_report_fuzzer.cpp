// Feeds the simulated keyboard arbitrary SetFeature and GetFeature calls and
// checks that what it keeps stays within what its reports can carry.
//
// Input: a sequence of calls, each [flags][length lo][length hi][bytes...].
// flags bit 0: GetFeature instead of SetFeature; bit 1: put a valid checksum
// at the end of the report, so the fuzzer gets past the checksum check.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "sim/factory_profiles.h"
#include "sim/report_layout.h"
#include "sim/sim_keyboard.h"
#include "tests/support/virtual_clock.h"

namespace {

using namespace brelfx::sim;

void CheckInvariants(const SimKeyboardState& s) {
  bool ok = s.ActiveProfile < kProfileCount && s.Firmware.ImageSize <= kFirmwareImageSize &&
            s.Firmware.BlocksReceived <= kFirmwareMaxBlocks;
  for (const SimProfile& p : s.Profiles) {
    ok = ok && !std::memchr(p.KeyCodes, 0xEF, sizeof(p.KeyCodes)) && p.CapsLockCode != 0xEF;
    for (const SimMacro& m : p.Macros) ok = ok && m.ActionCount <= kMaxMacroActions;
  }
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto* state = new SimKeyboardState;
  static brelfx::test::VirtualClock clock;
  ResetKeyboardState(*state);
  SimKeyboard keyboard(*state, clock, nullptr, 1);
  keyboard.OpenFeatureDevice();
  std::vector<std::uint8_t> buffer;
  while (size >= 3) {
    const std::uint8_t flags = data[0];
    int length = (data[1] | (data[2] << 8)) % (kMaxReportSize + 8);
    data += 3;
    size -= 3;
    buffer.assign(length, 0);
    const int copied = static_cast<int>(std::min<std::size_t>(size, length));
    if (copied > 0) std::memcpy(buffer.data(), data, copied);
    data += copied;
    size -= copied;
    if ((flags & 2) && length >= 3) WriteChecksum(buffer.data(), length);
    if (flags & 1)
      keyboard.GetFeature(buffer.data(), length);
    else
      keyboard.SetFeature(buffer.data(), length);
    CheckInvariants(*state);
  }
  return 0;
}
