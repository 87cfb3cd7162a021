// The player thread and the routing of programmable key events, with the
// macro played on its own thread (run under ThreadSanitizer too).
#include "monitor/playback/player_thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "monitor/playback/key_functions.h"
#include "monitor/sound/sound_table.h"
#include "monitor/tests/recording_sounds.h"
#include "monitor/timer_ids.h"
#include "settings/block_defaults.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/recording_input.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

using Log = std::vector<std::string>;
using std::chrono::steady_clock;

constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;
constexpr std::uint8_t kA = 0x04, kB = 0x05;

void SetMacro(KeyAssignment& entry, std::initializer_list<MacroEvent> events) {
  entry.FunctionCode = kFnMacro;
  entry.RepeatCount = 1;
  entry.ActionCount = 0;
  for (const MacroEvent& e : events) entry.Actions[entry.ActionCount++] = e;
}

// Waits (boundedly) for the player thread to finish what it plays.
bool WaitUntilIdle(const MacroPlayer& player) {
  const auto giveUp = steady_clock::now() + std::chrono::seconds(10);
  while (player.Playing()) {
    if (steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class PlayerThreadTest : public ::testing::Test {
 protected:
  KeyAssignment entry{};
  test::VirtualClock clock;
  test::RecordingInput input{clock};
  KeySender keys{input, UsKeyboardLayout()};
  MacroPlayer player{keys, clock};
};

TEST_F(PlayerThreadTest, PlaysTheMacroHandedToIt) {
  PlayerThread thread(player);
  SetMacro(entry, {{kA, kPress, 10}, {kA, kRelease, 10}});
  thread.StartOrStop(entry);
  ASSERT_TRUE(WaitUntilIdle(player));
  EXPECT_EQ(input.Log(), (Log{"0 41+", "10 41-"}));

  // Another macro after the first has ended.
  SetMacro(entry, {{kB, kPress, 5}});
  thread.StartOrStop(entry);
  ASSERT_TRUE(WaitUntilIdle(player));
  EXPECT_EQ(input.Log().back(), "20 42+");
}

// In virtual time: the shutdown's quit, one second into the minute a macro
// waits, cuts the wait short at the next 100 ms poll and releases the button
// the macro holds; the thread then ends.
TEST(PlayerThreadShutdown, StopsAPlayingMacroAtOnceAndReleasesWhatItHolds) {
  test::VirtualClock clock;
  test::RecordingInput input{clock};
  KeySender keys{input, UsKeyboardLayout()};
  MacroPlayer player{keys, clock};
  KeyAssignment entry{};
  SetMacro(entry, {{kA, kPress, 1}, {kA, kRelease, 1}, {0xF0, kPress, 60000}, {0xF0, kRelease, 1}});
  clock.onSleep = [&player](std::int64_t nowMs) {
    if (nowMs >= 1000) player.Quit();
  };
  {
    PlayerThread thread(player);
    thread.StartOrStop(entry);
    ASSERT_TRUE(WaitUntilIdle(player));
  }
  EXPECT_EQ(input.Log(), (Log{"0 41+", "1 41-", "2 mouse 2/0", "1002 mouse 4/0"}));
}

// Key events of the keyboard's programmable keys routed to their functions.
class KeyFunctionsTest : public ::testing::Test {
 protected:
  KeyFunctionsTest() {
    ClearBlock(*settings);
    SetDefaults(*settings, 1033);
  }
  KeyAssignment& Key(int keyIndex) { return settings->Profiles[0].MacroKeyInfo[keyIndex]; }
  static std::uint16_t Down(int keyIndex) { return static_cast<std::uint16_t>(keyIndex + 1); }
  static std::uint16_t Up(int keyIndex) {
    return static_cast<std::uint16_t>(0x100 | (keyIndex + 1));
  }

  std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
  test::VirtualClock guiClock;
  test::VirtualClock playerClock;
  test::RecordingInput guiInput{guiClock};
  test::RecordingInput playerInput{playerClock};
  test::FakeWindowTimers timers{guiClock};
  KeySender guiKeys{guiInput, UsKeyboardLayout()};
  KeySender playerKeys{playerInput, UsKeyboardLayout()};
  ShortcutKeys shortcuts{guiKeys, guiClock, timers};
  test::RecordingSounds sounds{guiClock};
  Countdown countdown{timers, sounds};
  MacroPlayer player{playerKeys, playerClock};
  PlayerThread playerThread{player};
  KeyFunctions keyFunctions{*settings, shortcuts, countdown, playerThread};
};

TEST_F(KeyFunctionsTest, ShortcutKeyPressesOnDownAndReleasesOnUp) {
  Key(0).FunctionCode = kFnShortcut;
  Key(0).ActionCount = 1;
  Key(0).Actions[0] = {kA, 0x02, 0};  // Shift+A
  keyFunctions.OnKeyEvent(Down(0));
  EXPECT_TRUE(timers.IsRunning(kTimerShortcutRepeat));
  keyFunctions.OnKeyEvent(Up(0));
  EXPECT_FALSE(timers.IsRunning(kTimerShortcutRepeat));
  EXPECT_EQ(guiInput.Log(), (Log{"0 10+", "1 41+", "1 41-", "2 10-"}));
}

// The profile changes while the shortcut is held (on the keyboard, from the
// option application, or by the foreground watch): the key's up releases
// what its down pressed, whatever the key is in the new profile.
TEST_F(KeyFunctionsTest, HeldShortcutIsReleasedOnKeyUpAfterAProfileSwitch) {
  Key(0).FunctionCode = kFnShortcut;
  Key(0).Actions[0] = {kA, 0x04, 0};  // Ctrl+A
  KeyAssignment& inSecondProfile = settings->Profiles[1].MacroKeyInfo[0];
  for (const int secondFunction : {int{kFnShortcut}, int{kFnStartTimer}, 0}) {
    SCOPED_TRACE(secondFunction);
    inSecondProfile.FunctionCode = static_cast<std::uint8_t>(secondFunction);
    inSecondProfile.Actions[0] = {kB, 0x02, 0};  // Shift+B
    settings->CurrentProfile = 0;
    const std::size_t mark = guiInput.Log().size();
    keyFunctions.OnKeyEvent(Down(0));
    settings->CurrentProfile = 1;
    keyFunctions.OnKeyEvent(Up(0));
    Log keys;  // without the times
    for (std::size_t i = mark; i < guiInput.Log().size(); ++i)
      keys.push_back(guiInput.Log()[i].substr(guiInput.Log()[i].find(' ') + 1));
    EXPECT_EQ(keys, (Log{"11+", "41+", "41-", "11-"}));
    EXPECT_FALSE(timers.IsRunning(kTimerShortcutRepeat));
  }
}

TEST_F(KeyFunctionsTest, TimerKeysIgnoreTheUpValueWithStateOne) {
  Key(30).FunctionCode = kFnStartTimer;
  Key(30).TimerLength = 20;
  Key(31).FunctionCode = kFnStopTimer;
  keyFunctions.OnKeyEvent(Up(30));
  EXPECT_FALSE(countdown.Running());
  keyFunctions.OnKeyEvent(Down(30));
  EXPECT_TRUE(countdown.Running());
  keyFunctions.OnKeyEvent(Up(31));
  EXPECT_TRUE(countdown.Running());
  keyFunctions.OnKeyEvent(Down(31));
  EXPECT_FALSE(countdown.Running());
  EXPECT_EQ(sounds.heard, (test::Heard{{0, kSoundTimerActivated}, {0, kSoundTimerStopped}}));
}

TEST_F(KeyFunctionsTest, MacroKeyStartsOnDownOnly) {
  SetMacro(Key(5), {{kB, kPress, 3}, {kB, kRelease, 3}});
  keyFunctions.OnKeyEvent(Up(5));
  EXPECT_FALSE(player.Playing());
  keyFunctions.OnKeyEvent(Down(5));
  ASSERT_TRUE(WaitUntilIdle(player));
  EXPECT_EQ(playerInput.Log(), (Log{"0 42+", "3 42-"}));
}

TEST_F(KeyFunctionsTest, KeysOutsideTheTableOrWithoutAProfileDoNothing) {
  for (int k = 0; k < kKeyCount; ++k) SetMacro(Key(k), {{kA, kPress, 1}});
  keyFunctions.OnKeyEvent(0x0000);           // item 0
  keyFunctions.OnKeyEvent(Down(kKeyCount));  // key index 58
  settings->CurrentProfile = -1;
  keyFunctions.OnKeyEvent(Down(0));
  EXPECT_FALSE(player.Playing());
  EXPECT_TRUE(playerInput.Events().empty());
}

}  // namespace
}  // namespace brelfx
