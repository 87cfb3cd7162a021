// Shortcut press, release and repeat in virtual time.
#include "monitor/playback/shortcut_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/timer_ids.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/recording_input.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

using Log = std::vector<std::string>;

constexpr std::uint8_t kA = 0x04, kB = 0x05, kLeftShift = 0xE1;

class ShortcutKeysTest : public ::testing::Test {
 protected:
  // Holds the shortcut's key for heldMs, with the repeat timer running.
  void Hold(MacroEvent shortcut, std::int64_t heldMs) {
    shortcuts.KeyDown(kKey, shortcut);
    RunRepeats(heldMs);
    shortcuts.KeyUp(kKey);
  }
  void RunRepeats(std::int64_t ms) {
    timers.RunFor(ms, [this](int id) {
      ASSERT_EQ(id, kTimerShortcutRepeat);
      shortcuts.OnRepeatTimer();
    });
  }

  static constexpr int kKey = 0, kOtherKey = 7;

  test::VirtualClock clock;
  test::RecordingInput input{clock};
  test::FakeWindowTimers timers{clock};
  KeySender keys{input, UsKeyboardLayout()};
  ShortcutKeys shortcuts{keys, clock, timers};
};

TEST_F(ShortcutKeysTest, ModifiersGoDownInOrderAndComeUpInReverse) {
  Hold({kA, 0x1E, 0}, 10);  // Shift, Ctrl, Alt, Win
  EXPECT_EQ(input.Log(), (Log{"0 11+", "1 10+", "2 12+", "3 5b+", "4 41+", "14 41-", "15 5b-",
                              "16 12-", "17 10-", "18 11-"}));
  EXPECT_EQ(input.Events()[3].flags, kKeyEventExtendedKey);  // Windows is an E0 key
  EXPECT_EQ(input.Events()[6].flags, kKeyEventKeyUp | kKeyEventExtendedKey);
}

TEST_F(ShortcutKeysTest, BitZeroPressesOnlyTheMainKey) {
  Hold({kA, 0x1F, 0}, 10);
  EXPECT_EQ(input.Log(), (Log{"0 41+", "10 41-"}));
}

TEST_F(ShortcutKeysTest, HeldKeyRepeatsAfterOneSecondEveryTenthOfASecond) {
  Hold({kA, 0x04, 0}, 1250);  // Ctrl+A
  // Ctrl down, 1 ms, A down; the timer starts then, so the repeats come at
  // 1001, 1101 and 1201, each up and down 1 ms apart.
  EXPECT_EQ(input.Log(), (Log{"0 11+", "1 41+", "1001 41-", "1002 41+", "1101 41-", "1102 41+",
                              "1201 41-", "1202 41+", "1251 41-", "1252 11-"}));
  EXPECT_FALSE(timers.IsRunning(kTimerShortcutRepeat));
}

TEST_F(ShortcutKeysTest, ModifierKeysNeverRepeat) {
  Hold({kLeftShift, 0x00, 0}, 1500);
  Hold({0xE7, 0x01, 0}, 1500);  // right Windows
  EXPECT_EQ(input.Log(), (Log{"0 10+", "1500 10-", "1500 5c+", "3000 5c-"}));
}

TEST_F(ShortcutKeysTest, KeyWithoutAVirtualKeyPressesOnlyItsModifiers) {
  Hold({0x32, 0x02, 0}, 1200);
  EXPECT_EQ(input.Log(), (Log{"0 10+", "1202 10-"}));
}

// What goes up is what went down: a second shortcut key releases the held
// shortcut before pressing its own, and the first key's later up does nothing.
TEST_F(ShortcutKeysTest, AnotherShortcutKeyReleasesTheHeldShortcutFirst) {
  shortcuts.KeyDown(kKey, {kA, 0x04, 0});       // Ctrl+A
  shortcuts.KeyDown(kOtherKey, {kB, 0x02, 0});  // Shift+B
  shortcuts.KeyUp(kKey);
  RunRepeats(1050);
  shortcuts.KeyUp(kOtherKey);
  EXPECT_EQ(input.Log(), (Log{"0 11+", "1 41+", "1 41-", "2 11-", "2 10+", "3 42+", "1003 42-",
                              "1004 42+", "1053 42-", "1054 10-"}));
  EXPECT_FALSE(timers.IsRunning(kTimerShortcutRepeat));
}

TEST_F(ShortcutKeysTest, ReleaseHeldStopsTheRepeatAndReleasesOnce) {
  shortcuts.KeyDown(kKey, {kA, 0x04, 0});
  shortcuts.ReleaseHeld();
  EXPECT_FALSE(timers.IsRunning(kTimerShortcutRepeat));
  shortcuts.ReleaseHeld();
  shortcuts.KeyUp(kKey);
  shortcuts.OnRepeatTimer();  // a firing already queued
  EXPECT_EQ(input.Log(), (Log{"0 11+", "1 41+", "1 41-", "2 11-"}));
}

}  // namespace
}  // namespace brelfx
