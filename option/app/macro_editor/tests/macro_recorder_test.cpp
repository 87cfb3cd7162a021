#include "option/app/macro_editor/macro_recorder.h"

#include <gtest/gtest.h>

#include <vector>

#include "option/app/macro_editor/macro_key_codes.h"

namespace brelfx {
namespace {

constexpr unsigned kA = 'A', kB = 'B';

struct Key {
  unsigned vk;
  bool released;
  std::uint32_t tick;
};

class MacroRecorderTest : public ::testing::Test {
 protected:
  // Feeds keys as the capture reports them; the outcome of the last one.
  MacroRecorder::Outcome Feed(const std::vector<Key>& keys) {
    MacroRecorder::Outcome outcome = MacroRecorder::Outcome::kIgnored;
    for (const Key& key : keys) outcome = recorder.OnKey(key.vk, 0, key.released, key.tick);
    return outcome;
  }

  MacroEvents events;
  MacroRecorder recorder{UsKeyboardLayout()};
};

TEST_F(MacroRecorderTest, HeldKeyGivesOnePressAndOneReleaseWithMeasuredDelays) {
  ASSERT_TRUE(recorder.Start(events, 0, true));
  // The system repeats a held key's press every 33 ms.
  Feed({{kA, false, 1000},
        {kA, false, 1500},
        {kA, false, 1533},
        {kA, true, 1600},
        {kB, false, 1700},
        {kB, true, 1750}});
  const MacroEvents expected = {{0x04, 1, 600}, {0x04, 2, 100}, {0x05, 1, 50}, {0x05, 2, 0}};
  ASSERT_EQ(events.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(events[i].Code, expected[i].Code) << i;
    EXPECT_EQ(events[i].Type, expected[i].Type) << i;
    EXPECT_EQ(events[i].Delay, expected[i].Delay) << i;
  }
}

TEST_F(MacroRecorderTest, DelaysAreZeroWithTheSwitchOffAndCappedAfterLongPauses) {
  ASSERT_TRUE(recorder.Start(events, 0, false));
  Feed({{kA, false, 0}, {kA, true, 400}, {kB, false, 900}});
  for (const MacroEvent& event : events) EXPECT_EQ(event.Delay, 0);

  events.clear();
  ASSERT_TRUE(recorder.Start(events, 0, true));
  // 70 s, then a key across the wrap of the 32-bit tick counter.
  Feed({{kA, false, 10}, {kA, true, 70'010}, {kB, false, 0xFFFFFFF0u}, {kB, true, 5}});
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].Delay, 65535);
  EXPECT_EQ(events[2].Delay, 21);
}

TEST_F(MacroRecorderTest, UnknownKeysAreIgnoredAndMouseCodesStandForThemselves) {
  ASSERT_TRUE(recorder.Start(events, 0, true));
  EXPECT_EQ(Feed({{0xFF, false, 0}, {0x0C, false, 5}}), MacroRecorder::Outcome::kIgnored);
  EXPECT_EQ(Feed({{0xF1, false, 10}}), MacroRecorder::Outcome::kRecorded);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Code, kMouseRight);
  EXPECT_EQ(events[0].Delay, 0);  // the first recorded key has nothing before it
}

TEST_F(MacroRecorderTest, RecordsAtTheInsertionPointKeepingTheOtherEvents) {
  events = {{0x10, 1, 7}, {0x10, 2, 0}};
  ASSERT_TRUE(recorder.Start(events, 1, true));  // "before" the release
  Feed({{kA, false, 100}, {kA, true, 130}});
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].Delay, 7);  // the first new key measures nothing
  EXPECT_EQ(events[1].Code, 0x04);
  EXPECT_EQ(events[1].Delay, 30);
  EXPECT_EQ(events[2].Type, 2);
  EXPECT_EQ(events[2].Code, 0x04);
  EXPECT_EQ(events[3].Code, 0x10);
  EXPECT_EQ(recorder.InsertionPoint(), 3);
}

TEST_F(MacroRecorderTest, StopsAtFiveHundredEvents) {
  events.assign(kMaxActions - 3, MacroEvent{0x04, 1, 0});
  ASSERT_TRUE(recorder.Start(events, static_cast<int>(events.size()), true));
  EXPECT_EQ(Feed({{kA, false, 0}, {kA, true, 1}}), MacroRecorder::Outcome::kRecorded);
  EXPECT_EQ(Feed({{kB, false, 2}}), MacroRecorder::Outcome::kFull);
  EXPECT_FALSE(recorder.Recording());
  EXPECT_EQ(Feed({{kB, true, 3}}), MacroRecorder::Outcome::kIgnored);
  EXPECT_EQ(events.size(), kMaxActions);
  EXPECT_FALSE(recorder.Start(events, 0, true));
}

}  // namespace
}  // namespace brelfx
