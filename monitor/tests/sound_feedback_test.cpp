// Countdown and announcement queue against window timers in virtual time.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "monitor/sound/announcer.h"
#include "monitor/sound/countdown.h"
#include "monitor/sound/sound_table.h"
#include "monitor/tests/recording_sounds.h"
#include "monitor/timer_ids.h"
#include "settings/block_defaults.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

using test::Heard;

class SoundFeedback : public ::testing::Test {
 protected:
  SoundFeedback() {
    ClearBlock(*settings);
    SetDefaults(*settings, 1033);
  }
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
  test::VirtualClock clock;
  test::FakeWindowTimers timers{clock};
  test::RecordingSounds sounds{clock};
  Countdown countdown{timers, sounds};
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
  countdown.StartKey(GetParam().seconds);
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
  countdown.StopKey();
  EXPECT_TRUE(sounds.heard.empty());

  countdown.StartKey(30);
  Run(3000);
  countdown.StopKey();
  Run(60000);
  EXPECT_EQ(sounds.heard, (Heard{{0, 19}, {3000, kSoundTimerStopped}}));
  EXPECT_FALSE(timers.IsRunning(kTimerCountdown));
}

TEST_F(SoundFeedback, StartKeyWhileRunningStartsOverOutOfTheFinalPhase) {
  countdown.StartKey(8);
  Run(4000);  // 4 seconds left: final phase
  ASSERT_TRUE(countdown.FinalPhase());
  countdown.StartKey(20);
  EXPECT_FALSE(countdown.FinalPhase());
  announcer.Announce(kTimerProfileSound);
  Run(11000);
  EXPECT_EQ(
      sounds.heard,
      (Heard{{0, 19}, {3000, 5}, {4000, 4}, {4000, 19}, {4500, kSoundProfileOne}, {14000, 10}}));
}

TEST_F(SoundFeedback, ProfileAnnouncementIsSilentInTheFinalPhase) {
  countdown.StartKey(7);
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
  countdown.StartKey(3);
  Run(1000);
  announcer.PlayTrophySound(kSoundEveryTrophy);
  EXPECT_FALSE(announcer.TrophySoundPlaying());
  EXPECT_FALSE(timers.IsRunning(kTimerTrophySound));
}

}  // namespace
}  // namespace brelfx
