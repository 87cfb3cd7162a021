// The simulated keyboard as the independent reference: it keeps its own
// tables of the protocol, so these tests see faults that a test built from
// the host's own tables would repeat. The expected values are written out
// here from the keyboard's documentation, not taken from device/.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "device/change_writes.h"
#include "device/tests/sim_sync_fixture.h"

namespace brelfx {
namespace {

// The keyboard's code of each key's standard function, key indices 0-55.
constexpr std::uint8_t kStandardDeviceCodes[56] = {
    0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC,  // M1-M5, Vexa M1-M5
    0x1E, 0x1F, 0x20, 0x21, 0x22, 0x14, 0x1A, 0x08, 0x15, 0x17,  // Vexa Zonix keys
    0x04, 0x16, 0x07, 0x09, 0x0A, 0x1D, 0x1B, 0x06, 0x19, 0x05,  //
    0xB1, 0xDD, 0xB0, 0x39, 0xCB, 0xC0,                          // T1-T3, Vexa T1-T3
    0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43,  // Vexa F1-F12
    0x44, 0x45,                                                  //
    0xA0, 0xA2, 0xA1, 0xA4, 0xA5, 0xA6, 0xA8, 0xA9,              // MM1-MM8
};
constexpr std::uint8_t kCapsLockStandardCode = 0x39;

// Every function code a key can carry.
std::vector<std::uint8_t> FunctionCodes() {
  std::vector<std::uint8_t> codes{0x00, 0x39, 0x81, 0x82, 0x83, 0x8C, 0x8D, 0xDF, 0xEF, 0xFF};
  for (int code = 0xB0; code <= 0xDD; ++code) codes.push_back(static_cast<std::uint8_t>(code));
  for (int code = 0xF5; code <= 0xFB; ++code) codes.push_back(static_cast<std::uint8_t>(code));
  return codes;
}

using KeyboardReference = test::SimSyncTest;

TEST_F(KeyboardReference, FullSyncRequestsEachKindForEveryProfileInTurn) {
  auto written = test::DefaultBlock();
  test::GiveMacro(*written, 1, 3, 2);
  test::GiveMacro(*written, 4, 35, 1);
  MarkEverythingChanged(*written);
  ASSERT_TRUE(SentElsewhere(*written));
  sim::ClearCapture(state->Capture);

  ASSERT_TRUE(sync.FullDeviceSync(*block));

  // Key enable, F-key layer, Zonix layer, media keys, thumb keys, macro
  // keys, illumination, Caps Lock: each kind for profiles 1-5, then the
  // macros of the keys that hold one.
  std::vector<std::pair<int, int>> expected;
  for (int selector : {0x50, 0x60, 0xB0, 0xC0, 0xD0, 0xA0, 0x70, 0x90})
    for (int profile = 0; profile < kProfileCount; ++profile)
      expected.emplace_back(profile, selector);
  expected.emplace_back(1, 3);
  expected.emplace_back(4, 35);

  std::vector<std::pair<int, int>> requested;
  std::vector<int> readsBefore;  // reports read before the first request
  for (const sim::SimCaptureEntry* entry : sim::CaptureEntries(state->Capture)) {
    if (entry->Kind == sim::kCaptureSet && entry->Bytes[0] == 0x04)
      requested.emplace_back(entry->Bytes[1], entry->Bytes[2]);
    else if (entry->Kind == sim::kCaptureGet && requested.empty() && entry->Bytes[0] != 0x04)
      readsBefore.push_back(entry->Bytes[0]);
  }
  EXPECT_EQ(requested, expected);
  EXPECT_EQ(readsBefore, (std::vector<int>{0x0F, 0x05}));  // version, active profile
}

// Every key set to one function code, with action bytes that only a
// shortcut may send: the keyboard stores the concrete code (the key's own
// code for the standard function) and shortcut bytes for 0xB8 alone; read
// back, a code equal to the key's own code is the standard function again.
TEST_F(KeyboardReference, EveryFunctionCodeReachesTheKeyboardAsItsDeviceCode) {
  for (std::uint8_t code : FunctionCodes()) {
    SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << int{code});
    auto sent = test::DefaultBlock();
    for (ProfileRecord& profile : sent->Profiles)
      for (KeyAssignment& key : profile.MacroKeyInfo) {
        key.FunctionCode = code;
        key.ActionCount = 1;
        key.Actions[0] = {0x04, 0x02, 0};  // usage A; as a shortcut, Shift
      }
    MarkEverythingChanged(*sent);
    ASSERT_TRUE(sync.SendChanges(*sent));

    const bool shortcut = code == kFnShortcut;
    for (int p = 0; p < kProfileCount; ++p) {
      const sim::SimProfile& stored = state->Profiles[p];
      for (int k = 0; k < 56; ++k) {
        ASSERT_EQ(stored.KeyCodes[k], code == kFnStandard ? kStandardDeviceCodes[k] : code) << k;
        ASSERT_EQ(stored.Modifiers[k], shortcut ? 0x02 : 0) << k;
        ASSERT_EQ(stored.Usages[k], shortcut ? 0x04 : 0) << k;
      }
      ASSERT_EQ(stored.CapsLockCode, code == kFnStandard ? kCapsLockStandardCode : code);
    }

    ASSERT_TRUE(sync.FullDeviceSync(*block));
    for (int p = 0; p < kProfileCount; ++p)
      for (int k = 0; k <= kKeyCapsLk; ++k) {
        const std::uint8_t own = k < 56 ? kStandardDeviceCodes[k] : kCapsLockStandardCode;
        ASSERT_EQ(block->Profiles[p].MacroKeyInfo[k].FunctionCode,
                  code == own ? std::uint8_t{kFnStandard} : code)
            << p << " " << k;
      }
  }
}

}  // namespace
}  // namespace brelfx
