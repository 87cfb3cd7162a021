// Countdown and announcement queue against window timers in virtual time.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "monitor/announcer.h"
#include "monitor/countdown.h"
#include "monitor/sound_table.h"
#include "monitor/timer_ids.h"
#include "settings/block_defaults.h"
#include "tests/support/fake_window_timers.h"

namespace brelfx {
namespace {

using Heard = std::vector<std::pair<std::int64_t, int>>;  // (time ms, sound code)

class RecordingSounds final : public SoundPlayer {
 public:
  explicit RecordingSounds(const test::FakeWindowTimers& timers) : timers_(timers) {}
  void PlaySound(int soundCode) override { heard.emplace_back(timers_.NowMs(), soundCode); }
  Heard heard;

 private:
  const test::FakeWindowTimers& timers_;
};

constexpr int kStartKey = 3;  // key index of the timer start key
constexpr int kStopKey = 4;

std::uint16_t KeyDown(int keyIndex) {
  return static_cast<std::uint16_t>(keyIndex + 1);
}
std::uint16_t KeyUp(int keyIndex) {
  return static_cast<std::uint16_t>(0x100 | (keyIndex + 1));
}

class SoundFeedback : public ::testing::Test {
 protected:
  SoundFeedback() {
    ClearBlock(*settings);
    SetDefaults(*settings, 1033);
    Profile().MacroKeyInfo[kStartKey].FunctionCode = kFnStartTimer;
    Profile().MacroKeyInfo[kStopKey].FunctionCode = kFnStopTimer;
  }
  ProfileRecord& Profile() { return settings->Profiles[settings->CurrentProfile]; }
  void SetLength(int seconds) { Profile().MacroKeyInfo[kStartKey].TimerLength = seconds; }
  void Run(std::int64_t ms) {
    timers.RunFor(ms, [this](int id) {
      if (id == kTimerCountdown) {
        countdown.Step();
      } else {
        ASSERT_TRUE(announcer.OnTimer(id)) << id;
      }
    });
  }

  std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
  test::FakeWindowTimers timers;
  RecordingSounds sounds{timers};
  Countdown countdown{*settings, timers, sounds};
  Announcer announcer{*settings, timers, sounds, countdown};
};

struct CountdownCase {
  int seconds;
  Heard heard;
};
void PrintTo(const CountdownCase& c, std::ostream* os) {
  *os << c.seconds << " s";
}

class CountdownSounds : public SoundFeedback,
                        public ::testing::WithParamInterface<CountdownCase> {};

TEST_P(CountdownSounds, SpeakTheLastSecondsAndGo) {
  SetLength(GetParam().seconds);
  countdown.TimerKey(KeyDown(kStartKey));
  countdown.TimerKey(KeyUp(kStartKey));  // the key coming up changes nothing
  Run(20000);
  EXPECT_EQ(sounds.heard, GetParam().heard);
  EXPECT_FALSE(timers.IsRunning(kTimerCountdown));
  EXPECT_FALSE(countdown.Running());
  EXPECT_FALSE(countdown.FinalPhase());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, CountdownSounds,
    ::testing::Values(
        // 3 itself is never spoken: the first step already yields 2.
        CountdownCase{3, {{0, 19}, {1000, 2}, {2000, 1}, {3000, 0}}},
        // Exactly 10 seconds: "10 seconds" replaces "timer activated" at once.
        CountdownCase{
            10,
            {{0, 19}, {0, 10}, {5000, 5}, {6000, 4}, {7000, 3}, {8000, 2}, {9000, 1}, {10000, 0}}},
        CountdownCase{12,
                      {{0, 19},
                       {2000, 10},
                       {7000, 5},
                       {8000, 4},
                       {9000, 3},
                       {10000, 2},
                       {11000, 1},
                       {12000, 0}}}),
    [](const auto& info) { return std::to_string(info.param.seconds) + "Seconds"; });

TEST_F(SoundFeedback, StopKeySpeaksOnlyWhileRunning) {
  SetLength(30);
  countdown.TimerKey(KeyDown(kStopKey));
  EXPECT_TRUE(sounds.heard.empty());

  countdown.TimerKey(KeyDown(kStartKey));
  Run(3000);
  countdown.TimerKey(KeyDown(kStopKey));
  Run(60000);
  EXPECT_EQ(sounds.heard, (Heard{{0, 19}, {3000, kSoundTimerStopped}}));
  EXPECT_FALSE(timers.IsRunning(kTimerCountdown));
}

TEST_F(SoundFeedback, StartKeyWhileRunningStartsOverOutOfTheFinalPhase) {
  SetLength(8);
  countdown.TimerKey(KeyDown(kStartKey));
  Run(4000);  // 4 seconds left: final phase
  ASSERT_TRUE(countdown.FinalPhase());
  SetLength(20);
  countdown.TimerKey(KeyDown(kStartKey));
  EXPECT_FALSE(countdown.FinalPhase());
  announcer.Announce(kTimerProfileSound);
  Run(11000);
  EXPECT_EQ(
      sounds.heard,
      (Heard{{0, 19}, {3000, 5}, {4000, 4}, {4000, 19}, {4500, kSoundProfileOne}, {14000, 10}}));
}

TEST_F(SoundFeedback, ProfileAnnouncementIsSilentInTheFinalPhase) {
  SetLength(7);
  countdown.TimerKey(KeyDown(kStartKey));
  Run(2500);  // 5 seconds left after the step at 2000
  announcer.Announce(kTimerProfileSound);
  Run(10000);
  EXPECT_EQ(sounds.heard,
            (Heard{{0, 19}, {2000, 5}, {3000, 4}, {4000, 3}, {5000, 2}, {6000, 1}, {7000, 0}}));

  // Once the countdown is over the announcements speak again.
  announcer.Announce(kTimerProfileSound);
  Run(1000);
  EXPECT_EQ(sounds.heard.back(), std::make_pair(std::int64_t{13000}, kSoundProfileOne));
}

TEST_F(SoundFeedback, ProfileAnnouncementNamesTheProfileCurrentWhenItFires) {
  announcer.Announce(kTimerProfileSound);
  settings->CurrentProfile = 2;
  Run(499);
  EXPECT_TRUE(sounds.heard.empty());
  Run(1);
  EXPECT_EQ(sounds.heard, (Heard{{500, kSoundProfileOne + 2}}));
  EXPECT_FALSE(timers.IsRunning(kTimerProfileSound));  // one-shot
}

TEST_F(SoundFeedback, NewerAnnouncementReplacesOneNotYetSpoken) {
  announcer.Announce(kTimerRecordSelectKey);
  Run(300);
  announcer.Announce(kTimerRecordKeyUnavailable);
  Run(2000);
  EXPECT_EQ(sounds.heard, (Heard{{800, kSoundRecordSelectKey + 4}}));
}

TEST_F(SoundFeedback, TrophySoundHoldsAnnouncementsBackForFourSeconds) {
  announcer.Announce(kTimerWindowsProfileSound);
  announcer.PlayTrophySound(kSoundTrophy);
  announcer.Announce(kTimerProfileSound);
  Run(3999);
  announcer.Announce(kTimerProfileSound);
  EXPECT_TRUE(announcer.TrophySoundPlaying());
  Run(1);
  EXPECT_FALSE(announcer.TrophySoundPlaying());
  announcer.Announce(kTimerProfileSound);
  Run(500);
  EXPECT_EQ(sounds.heard, (Heard{{0, kSoundTrophy}, {4500, kSoundProfileOne}}));
}

TEST_F(SoundFeedback, NoTrophySoundInTheFinalPhase) {
  SetLength(3);
  countdown.TimerKey(KeyDown(kStartKey));
  Run(1000);
  announcer.PlayTrophySound(kSoundEveryTrophy);
  EXPECT_FALSE(announcer.TrophySoundPlaying());
  EXPECT_FALSE(timers.IsRunning(kTimerTrophySound));
}

}  // namespace
}  // namespace brelfx
