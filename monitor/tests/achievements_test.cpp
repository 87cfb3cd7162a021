// Counter events against the real announcer and a shared section in virtual
// time: what the counters and trophies become, what is heard, and what
// reaches the shared block, config.ini and the option window.
#include "monitor/achievements/achievements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "monitor/achievements/trophy_rules.h"
#include "monitor/sound/sound_table.h"
#include "monitor/tests/recording_sounds.h"
#include "monitor/timer_ids.h"
#include "settings/block_defaults.h"
#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_shared_memory.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

struct RecordingStore final : InfoDataStore {
  bool WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) override {
    written.push_back(ReadInfoRecord(infoData));
    return true;
  }
  std::vector<InfoRecord> written;
};

constexpr std::uint16_t kCounterEvent = 0xFA00;

class Trophies : public ::testing::Test {
 protected:
  Trophies() {
    ClearBlock(settings.local());
    SetDefaults(settings.local(), 1033);
    settings.local().CurrentProfile = 0;
    settings.CreateShared();
    optionSide.Open(kSharedSettingsName, kSettingsMutexName, sizeof(SettingsBlock));
    desktop.AddWindow(kOptionWindowTitle,
                      [](unsigned int, std::uintptr_t, std::intptr_t) { return 0; });
  }

  void Count(int counter, std::uint16_t amount) {
    achievements.OnCounterEvent(static_cast<std::uint16_t>(kCounterEvent | counter), amount);
    // Each sound has ended before the next event.
    timers.RunFor(kTrophySoundMs, [this](int id) { announcer.OnTimer(id); });
  }
  InfoRecord Local() { return ReadInfoRecord(settings.local().InfoData); }
  void SetLocal(const InfoRecord& record) { WriteInfoRecord(record, settings.local().InfoData); }
  std::vector<int> Unlocked() {
    std::vector<int> trophies;
    const InfoRecord record = Local();
    for (int n = 1; n <= kTrophyCount; ++n) {
      if (record.Trophies[n - 1] == 1) trophies.push_back(n);
    }
    return trophies;
  }
  std::vector<int> SoundsHeard() {
    std::vector<int> codes;
    for (const auto& [ms, code] : sounds.heard) codes.push_back(code);
    return codes;
  }
  InfoRecord Shared() {
    auto block = std::make_unique<SettingsBlock>();
    EXPECT_TRUE(CopyFromShared(optionSide, *block));
    return ReadInfoRecord(block->InfoData);
  }
  long CountersChangedPosts() {
    return std::count_if(desktop.log.begin(), desktop.log.end(),
                         [](const auto& m) { return !m.sent && m.message == WM_COUNTERS_CHANGED; });
  }

  test::FakeSharedNamespace objects;
  test::FakeSharedMemory monitorSide{objects};
  test::FakeSharedMemory optionSide{objects};
  test::FakeDesktop desktop;
  MonitorSettingsLink settings{monitorSide, desktop};
  test::VirtualClock clock;
  test::FakeWindowTimers timers{clock};
  test::RecordingSounds sounds{clock};
  Countdown countdown{timers, sounds};
  Announcer announcer{settings.local(), timers, sounds, countdown};
  RecordingStore store;
  Achievements achievements{settings, store, announcer};
};

TEST_F(Trophies, AJumpPastEveryThresholdUnlocksOneTrophyOfTheChainPerEvent) {
  Count(8, 30000);
  EXPECT_EQ(Unlocked(), std::vector<int>{1});
  EXPECT_EQ(Local().LastTrophy, 1);
  // Any counter's event moves the pending chain on by one.
  Count(2, 1);
  EXPECT_EQ(Unlocked(), (std::vector<int>{1, 2}));
  Count(17, 1);
  EXPECT_EQ(Unlocked(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Local().LastTrophy, 3);
  EXPECT_EQ(SoundsHeard(), (std::vector<int>{kSoundTrophy, kSoundTrophy, kSoundTrophy}));

  // Each event reached the shared block, config.ini and the option window.
  ASSERT_EQ(store.written.size(), 3u);
  EXPECT_EQ(store.written.back().Trophies[2], 1);
  EXPECT_EQ(Shared().Counters[7], 30000);
  EXPECT_EQ(Shared().Trophies[2], 1);
  EXPECT_EQ(CountersChangedPosts(), 3);
}

// Each chain's first threshold, summed over its counters: reaching it is not
// enough, one more unlocks.
TEST_F(Trophies, AThresholdMustBeExceeded) {
  struct Chain {
    std::vector<int> counters;
    int threshold;
    int trophy;
  };
  const Chain chains[] = {
      {{8}, 1000, 1},   {{19}, 500000, 4},         {{5, 6, 7}, 5000, 7},
      {{15}, 1000, 10}, {{1, 2, 3, 4}, 35000, 13},
  };
  for (const Chain& chain : chains) {
    SCOPED_TRACE(chain.trophy);
    InfoRecord record{};  // the sum spread over the chain's counters
    for (int counter : chain.counters) record.Counters[counter - 1] = 1;
    record.Counters[chain.counters.front() - 1] =
        chain.threshold - static_cast<int>(chain.counters.size()) + 1;
    SetLocal(record);
    Count(chain.counters.back(), 0);
    EXPECT_TRUE(Unlocked().empty());
    Count(chain.counters.front(), 1);
    EXPECT_EQ(Unlocked(), std::vector<int>{chain.trophy});
  }
}

TEST_F(Trophies, AnEventForNoCounterStoresNothingYetMovesPendingChainsOn) {
  for (int counter : {0, 20}) {
    Count(counter, 5000);
    EXPECT_EQ(Local().Counters[7], 0);
  }
  EXPECT_TRUE(store.written.empty());
  EXPECT_EQ(CountersChangedPosts(), 0);
  EXPECT_EQ(objects.copies, 0);

  Count(8, 30000);  // trophy 1; 2 and 3 pending
  Count(0, 0);
  EXPECT_EQ(Unlocked(), (std::vector<int>{1, 2}));
  EXPECT_EQ(Local().Counters[7], 30000);
  // The unlock is kept like any other, so it is not heard twice after a restart.
  ASSERT_EQ(store.written.size(), 2u);
  EXPECT_EQ(store.written.back().Trophies[1], 1);
}

TEST_F(Trophies, WithTheTrophySoundOffTrophiesUnlockSilently) {
  settings.local().Profiles[0].SoundTrophy = 0;
  Count(15, 1001);
  EXPECT_EQ(Unlocked(), std::vector<int>{10});
  EXPECT_EQ(store.written.size(), 1u);
  EXPECT_TRUE(sounds.heard.empty());
  EXPECT_FALSE(announcer.TrophySoundPlaying());
}

TEST_F(Trophies, TheFifteenthTrophyUnlocksTheLastWithItsOwnSound) {
  InfoRecord record{};
  for (int n = 1; n <= 14; ++n) record.Trophies[n - 1] = 1;
  record.Counters[0] = 100000;
  SetLocal(record);
  achievements.OnCounterEvent(kCounterEvent | 1, 1);
  EXPECT_EQ(Local().Trophies[14], 1);
  EXPECT_EQ(Local().Trophies[15], 1);
  EXPECT_EQ(Local().LastTrophy, 16);
  ASSERT_EQ(sounds.heard.size(), 1u);
  EXPECT_STREQ(SoundFileName(sounds.heard[0].second), "Every_Trophy.wav");
  // Announcements wait until the trophy sound is over.
  EXPECT_TRUE(announcer.TrophySoundPlaying());
  EXPECT_TRUE(timers.IsRunning(kTimerTrophySound));
}

TEST_F(Trophies, CountersStopAtTheLargestValueInsteadOfTurningNegative) {
  constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
  InfoRecord record{};
  record.Counters[18] = kTop - 10;
  for (int counter : {5, 6}) record.Counters[counter - 1] = kTop;  // their sum passes 2^31
  SetLocal(record);
  Count(19, 65535);
  EXPECT_EQ(Local().Counters[18], kTop);
  EXPECT_EQ(Unlocked(), (std::vector<int>{4, 7}));
}

TEST_F(Trophies, AResetTakesTheCountersAndKeepsEveryTrophyTheMonitorHolds) {
  Count(8, 30000);
  Count(8, 1);  // trophies 1 and 2
  // The option application's block: counters cleared, but taken before
  // trophy 2 and before a profile switch on the keyboard.
  auto option = std::make_unique<SettingsBlock>();
  ASSERT_TRUE(CopyFromShared(optionSide, *option));
  InfoRecord reset = ReadInfoRecord(option->InfoData);
  std::fill(std::begin(reset.Counters), std::end(reset.Counters), 0);
  reset.Trophies[1] = 0;
  reset.LastTrophy = 1;
  WriteInfoRecord(reset, option->InfoData);
  option->CurrentProfile = 3;
  ASSERT_TRUE(CopyToShared(optionSide, *option));
  const std::size_t stored = store.written.size();

  achievements.OnStatisticsChanged();
  EXPECT_EQ(Local().Counters[7], 0);
  EXPECT_EQ(Unlocked(), (std::vector<int>{1, 2}));
  EXPECT_EQ(Local().LastTrophy, 2);
  EXPECT_EQ(settings.local().CurrentProfile, 0);
  // What the option application lacked is handed back to it.
  EXPECT_EQ(Shared().Trophies[1], 1);
  EXPECT_EQ(store.written.size(), stored + 1);

  // A record that agrees with the monitor's is only taken.
  achievements.OnStatisticsChanged();
  EXPECT_EQ(store.written.size(), stored + 1);
}

}  // namespace
}  // namespace brelfx
