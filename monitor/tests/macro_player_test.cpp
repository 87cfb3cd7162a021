// Macro playback in virtual time with the injected input recorded.
#include "monitor/playback/macro_player.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/recording_input.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

using Log = std::vector<std::string>;

constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;
constexpr std::uint8_t kA = 0x04, kB = 0x05, kC = 0x06, kLeftShift = 0xE1;

KeyAssignment Macro(std::initializer_list<MacroEvent> events, int repeatCount = 1) {
  KeyAssignment entry{};
  entry.FunctionCode = kFnMacro;
  entry.RepeatCount = repeatCount;
  for (const MacroEvent& e : events) entry.Actions[entry.ActionCount++] = e;
  return entry;
}

class MacroPlayerTest : public ::testing::Test {
 protected:
  void Play(const KeyAssignment& entry) {
    std::optional<MacroJob> job = player.StartOrStop(entry);
    ASSERT_TRUE(job.has_value());
    player.Play(*job);
    EXPECT_FALSE(player.Playing());
  }
  // Presses the macro key again once the playback reaches atMs.
  void PressAgainAt(std::int64_t atMs, const KeyAssignment& entry) {
    clock.onSleep = [this, atMs, &entry](std::int64_t nowMs) {
      if (nowMs < atMs || pressedAgain) return;
      pressedAgain = true;
      EXPECT_FALSE(player.StartOrStop(entry).has_value()) << "a second press starts nothing";
    };
  }

  test::VirtualClock clock;
  test::RecordingInput input{clock};
  KeySender keys{input, UsKeyboardLayout()};
  MacroPlayer player{keys, clock};
  bool pressedAgain = false;
};

struct RepeatCase {
  int repeatCount;
  int passes;
};
void PrintTo(const RepeatCase& c, std::ostream* os) {
  *os << "repeat count " << c.repeatCount;
}

class MacroRepeat : public MacroPlayerTest, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(MacroRepeat, PlaysItsPasses) {
  Play(Macro({{kA, kPress, 10}, {kA, kRelease, 20}}, GetParam().repeatCount));
  Log expected;
  for (int pass = 0; pass < GetParam().passes; ++pass) {
    expected.push_back(std::to_string(30 * pass) + " 41+");
    expected.push_back(std::to_string(30 * pass + 10) + " 41-");
  }
  EXPECT_EQ(input.Log(), expected);
  EXPECT_EQ(clock.NowMs(), 30 * GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(Counts, MacroRepeat,
                         ::testing::Values(RepeatCase{0, 1}, RepeatCase{-3, 1}, RepeatCase{1, 1},
                                           RepeatCase{3, 3}));

TEST_F(MacroPlayerTest, DelayZeroWaitsOneMillisecond) {
  Play(Macro({{kA, kPress, 0}, {kA, kRelease, 0}, {kB, kPress, 5}}));
  EXPECT_EQ(input.Log(), (Log{"0 41+", "1 41-", "2 42+"}));
  EXPECT_EQ(clock.NowMs(), 7);
}

TEST_F(MacroPlayerTest, LongPressRepeatsLikeAHeldKey) {
  Play(Macro({{kA, kPress, 2000}, {kA, kRelease, 10}}));
  const std::vector<test::InjectedEvent> events = input.Events();
  // Press, 46 up/down pairs (1500 ms / 33, rounded up), release.
  ASSERT_EQ(events.size(), 1u + 2 * 46 + 1);
  EXPECT_EQ(events.front().timeMs, 0);
  for (int pair = 0; pair < 46; ++pair) {
    const test::InjectedEvent& up = events[1 + 2 * pair];
    const test::InjectedEvent& down = events[2 + 2 * pair];
    EXPECT_EQ(up.timeMs, 500 + 33 * pair) << pair;
    EXPECT_EQ(up.flags, kKeyEventKeyUp);
    EXPECT_EQ(down.timeMs, up.timeMs);
    EXPECT_EQ(down.flags, 0u);
    EXPECT_EQ(down.vk, 0x41);
  }
  EXPECT_EQ(events.back().timeMs, 500 + 33 * 46);
  EXPECT_EQ(events.back().flags, kKeyEventKeyUp);
}

// An injector that is slow once: the system stalls the player at one event.
class StallingInput final : public InputInjector {
 public:
  StallingInput(Clock& clock, test::RecordingInput& record, std::int64_t stallAtMs, int stallMs)
      : clock_(clock), record_(record), stallAtMs_(stallAtMs), stallMs_(stallMs) {}
  void KeyboardEvent(std::uint8_t vk, std::uint8_t scanCode, std::uint32_t flags) override {
    record_.KeyboardEvent(vk, scanCode, flags);
    if (clock_.NowMs() == stallAtMs_) clock_.SleepMs(stallMs_);
  }
  void MouseEvent(std::uint32_t flags, std::uint32_t data) override {
    record_.MouseEvent(flags, data);
  }

 private:
  Clock& clock_;
  test::RecordingInput& record_;
  std::int64_t stallAtMs_;
  int stallMs_;
};

TEST_F(MacroPlayerTest, SmallLatenessIsCaughtUpALargeStallMovesTheRest) {
  const KeyAssignment entry = Macro({{kA, kPress, 10},
                                     {kA, kRelease, 10},
                                     {kB, kPress, 10},
                                     {kB, kRelease, 10},
                                     {kC, kPress, 10},
                                     {kC, kRelease, 10}});
  for (const auto& [stallMs, expected] :
       {std::pair{15, Log{"0 41+", "10 41-", "20 42+", "35 42-", "40 43+", "50 43-"}},
        std::pair{25, Log{"0 41+", "10 41-", "20 42+", "45 42-", "55 43+", "65 43-"}}}) {
    test::VirtualClock stallClock;
    test::RecordingInput record{stallClock};
    StallingInput stalling{stallClock, record, 20, stallMs};
    KeySender stallingKeys{stalling, UsKeyboardLayout()};
    MacroPlayer stallingPlayer{stallingKeys, stallClock};
    stallingPlayer.Play(*stallingPlayer.StartOrStop(entry));
    EXPECT_EQ(record.Log(), expected) << stallMs;
  }
}

TEST_F(MacroPlayerTest, PressOfHalfASecondDoesNotRepeat) {
  Play(Macro({{kA, kPress, 500}, {kA, kRelease, 10}}));
  EXPECT_EQ(input.Log(), (Log{"0 41+", "500 41-"}));
}

TEST_F(MacroPlayerTest, SecondPressStopsAndReleasesHeldKeysNewestFirst) {
  const KeyAssignment entry = Macro({{kLeftShift, kPress, 10},
                                     {kA, kPress, 10},
                                     {kB, kPress, 400},
                                     {kB, kRelease, 10},
                                     {kC, kPress, 10}});
  PressAgainAt(100, entry);
  Play(entry);
  // The stop is seen before B's release (event 3), after B's delay: three
  // keys held, released 50 ms apart, newest first.
  EXPECT_EQ(input.Log(), (Log{"0 10+", "10 41+", "20 42+", "420 42-", "470 41-", "520 10-"}));
  // The next press plays again.
  EXPECT_TRUE(player.StartOrStop(entry).has_value());
}

TEST_F(MacroPlayerTest, SecondPressBeforeThePlayerStartsStopsTheMacro) {
  const KeyAssignment entry = Macro({{kA, kPress, 10}, {kA, kRelease, 10}});
  std::optional<MacroJob> job = player.StartOrStop(entry);
  ASSERT_TRUE(job.has_value());
  EXPECT_TRUE(player.Playing());  // from the hand-off on
  EXPECT_FALSE(player.StartOrStop(entry).has_value());
  player.Play(*job);
  EXPECT_TRUE(input.Log().empty());
  EXPECT_FALSE(player.Playing());
}

TEST_F(MacroPlayerTest, StopReleasesEveryKeyHeldSinceEarlierPassesOnce) {
  const KeyAssignment entry = Macro({{kA, kPress, 10}, {kB, kPress, 10}, {kC, kPress, 100}},
                                    /*repeatCount=*/2);
  PressAgainAt(125, entry);
  Play(entry);
  // Stopped at event 1 of the second pass: A, B and C are down (A twice),
  // the first pass's keys included.
  EXPECT_EQ(input.Log(),
            (Log{"0 41+", "10 42+", "20 43+", "120 41+", "130 41-", "180 43-", "230 42-"}));
}

TEST_F(MacroPlayerTest, StoppedBetweenPassesReleasesWhatIsHeld) {
  const KeyAssignment entry = Macro({{kA, kPress, 100}}, /*repeatCount=*/5);
  PressAgainAt(150, entry);
  Play(entry);
  EXPECT_EQ(input.Log(), (Log{"0 41+", "100 41+", "200 41-"}));
}

TEST_F(MacroPlayerTest, StopDuringTypematicEndsTheRepeatAndReleasesTheKey) {
  const KeyAssignment entry = Macro({{kA, kPress, 3000}, {kA, kRelease, 10}});
  PressAgainAt(560, entry);
  Play(entry);
  EXPECT_EQ(input.Log(), (Log{"0 41+", "500 41-", "500 41+", "533 41-", "533 41+", "566 41-",
                              "566 41+", "566 41-"}));
}

TEST_F(MacroPlayerTest, MouseButtonsCarryTheirFlagsAndData) {
  Play(Macro({{0xF0, kPress, 1},
              {0xF0, kRelease, 1},
              {0xF1, kPress, 1},
              {0xF1, kRelease, 1},
              {0xF2, kPress, 1},
              {0xF2, kRelease, 1},
              {0xF3, kPress, 1},
              {0xF3, kRelease, 1},
              {0xF4, kPress, 1},
              {0xF4, kRelease, 1}}));
  EXPECT_EQ(input.Log(), (Log{"0 mouse 2/0", "1 mouse 4/0", "2 mouse 8/0", "3 mouse 10/0",
                              "4 mouse 20/0", "5 mouse 40/0", "6 mouse 80/2", "7 mouse 100/2",
                              "8 mouse 80/1", "9 mouse 100/1"}));
}

TEST_F(MacroPlayerTest, StopReleasesAHeldMouseButton) {
  const KeyAssignment entry = Macro({{0xF1, kPress, 200}, {0xF1, kRelease, 10}});
  PressAgainAt(50, entry);
  Play(entry);
  EXPECT_EQ(input.Log(), (Log{"0 mouse 8/0", "200 mouse 10/0"}));
}

// Sided modifiers are folded; the keys Windows reports with the E0 prefix
// carry the extended flag (on the way up too), or games that read scan codes
// take them for keypad keys.
TEST_F(MacroPlayerTest, KeysAreFoldedAndCarryTheirScanCodesAndExtendedFlag) {
  struct Expected {
    std::uint8_t code;
    unsigned vk;
    bool extended;
  };
  const Expected keys[] = {
      {kLeftShift, 0x10, false}, {0xE5, 0x10, false},  // right Shift is not extended
      {0xE0, 0x11, false},       {0xE4, 0x11, true},   // left and right Ctrl
      {0xE2, 0x12, false},       {0xE6, 0x12, true},   // left and right Alt
      {0xE3, 0x5B, true},        {0xE7, 0x5C, true},   // Windows keys: no sideless form
      {0x58, 0x0D, true},                              // keypad Enter: an extended Return
      {0x28, 0x0D, false},                             // Enter
      {0x54, 0x6F, true},        {0x55, 0x6A, false},  // keypad / and *
      {0x4F, 0x27, true},        {0x50, 0x25, true},  {0x51, 0x28, true}, {0x52, 0x26, true},
      {0x49, 0x2D, true},        {0x4A, 0x24, true},  {0x4B, 0x21, true}, {0x4C, 0x2E, true},
      {0x4D, 0x23, true},        {0x4E, 0x22, true},  {0x46, 0x2C, true}, {0x65, 0x5D, true},
      {0x53, 0x90, true},        {0x5F, 0x67, false},  // Num Lock, keypad 7
      {kA, 0x41, false},
  };
  KeyAssignment entry = Macro({});
  for (const Expected& key : keys) {
    entry.Actions[entry.ActionCount++] = {key.code, kPress, 1};
    entry.Actions[entry.ActionCount++] = {key.code, kRelease, 1};
  }
  Play(entry);
  const std::vector<test::InjectedEvent> events = input.Events();
  ASSERT_EQ(events.size(), 2 * std::size(keys));
  for (std::size_t i = 0; i < events.size(); ++i) {
    const Expected& key = keys[i / 2];
    const std::uint32_t extended = key.extended ? kKeyEventExtendedKey : 0;
    EXPECT_EQ(events[i].vk, key.vk) << i;
    EXPECT_EQ(events[i].scanCode, UsKeyboardLayout().VkToScan(key.vk)) << i;
    EXPECT_EQ(events[i].flags, (i % 2 ? kKeyEventKeyUp : 0u) | extended) << i;
  }
  EXPECT_EQ(events[0].scanCode, 0x2A);   // Shift
  EXPECT_EQ(events[16].scanCode, 0x1C);  // keypad Enter: Return's scan code
}

TEST_F(MacroPlayerTest, CodesWithoutAKeyAndUnknownTypesSendNothingButWait) {
  Play(Macro({{0x32, kPress, 5}, {0x64, kPress, 5}, {kA, 3, 7}, {kB, kPress, 1}}));
  EXPECT_EQ(input.Log(), (Log{"17 42+"}));
}

TEST_F(MacroPlayerTest, EventCountBeyondTheSlotsPlaysTheSlots) {
  KeyAssignment entry = Macro({});
  for (int i = 0; i < kMaxActions; ++i) entry.Actions[i] = {kA, i % 2 ? kRelease : kPress, 1};
  entry.ActionCount = 600;
  Play(entry);
  EXPECT_EQ(input.Events().size(), static_cast<std::size_t>(kMaxActions));
}

TEST_F(MacroPlayerTest, KeysWithoutAMacroStartNothing) {
  KeyAssignment shortcut = Macro({{kA, kPress, 1}});
  shortcut.FunctionCode = kFnShortcut;
  EXPECT_FALSE(player.StartOrStop(shortcut).has_value());
  EXPECT_FALSE(player.StartOrStop(Macro({})).has_value());
  EXPECT_FALSE(player.Playing());
}

}  // namespace
}  // namespace brelfx
