// The key repeat dialog's values in the profile and in Windows, through
// every way the dialog can end.
#include "option/app/advanced_page/key_repeat_session.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "settings/block_defaults.h"

namespace brelfx {
namespace {

using Applied = std::vector<std::pair<int, int>>;

struct RecordingRepeat final : SystemKeyboardRepeat {
  void Apply(int delay, int speed) override { applied.emplace_back(delay, speed); }
  bool Read(int& delay, int& speed) override {
    if (!readable) return false;
    delay = applied.empty() ? 2 : applied.back().first;
    speed = applied.empty() ? 10 : applied.back().second;
    return true;
  }
  Applied applied;
  bool readable = false;  // Windows' starting values are 2 and 10
};

class KeyRepeatSessionTest : public testing::Test {
 protected:
  KeyRepeatSessionTest() {
    SetProfileDefaults(*profile, 2);
    profile->KBDelay = 1;
    profile->KBSpeed = 20;
  }
  std::unique_ptr<ProfileRecord> profile = std::make_unique<ProfileRecord>();
  RecordingRepeat system;
};

TEST_F(KeyRepeatSessionTest, OpeningAppliesTheProfileAndShowsTheDelayReversed) {
  KeyRepeatSession session(*profile, system);
  EXPECT_EQ(system.applied, (Applied{{1, 20}}));
  EXPECT_EQ(session.DelaySliderPosition(), 2);
  EXPECT_EQ(session.RateSliderPosition(), 20);
  session.Keep();
}

TEST_F(KeyRepeatSessionTest, DelaySliderFullyRightIsTheShortestDelayAppliedAtOnce) {
  KeyRepeatSession session(*profile, system);
  session.OnSlider(kRepeatDelaySliderId, 3);
  EXPECT_EQ(profile->KBDelay, 0);
  session.OnSlider(kRepeatDelaySliderId, 3);  // no change: nothing applied again
  session.OnSlider(kRepeatRateSliderId, 31);
  EXPECT_EQ(profile->KBSpeed, 31);
  EXPECT_EQ(system.applied, (Applied{{1, 20}, {0, 20}, {0, 31}}));
  session.Keep();
  EXPECT_EQ(system.applied.size(), 3u);
}

TEST_F(KeyRepeatSessionTest, OkKeepsCancelAndEveryOtherEndRestoreTheRememberedValues) {
  {
    KeyRepeatSession ok(*profile, system);
    ok.OnSlider(kRepeatRateSliderId, 5);
    ok.Keep();
  }
  EXPECT_EQ(profile->KBSpeed, 5);
  EXPECT_EQ(system.applied.back(), std::make_pair(1, 5));

  {
    KeyRepeatSession cancel(*profile, system);
    cancel.OnSlider(kRepeatDelaySliderId, 0);
    cancel.Restore();
    EXPECT_EQ(system.applied.back(), std::make_pair(1, 5));
    system.applied.clear();
  }
  EXPECT_TRUE(system.applied.empty()) << "restored twice";
  EXPECT_EQ(profile->KBDelay, 1);

  // Window destroyed without OK (the main window closed from outside).
  {
    KeyRepeatSession destroyed(*profile, system);
    destroyed.OnSlider(kRepeatDelaySliderId, 3);
    destroyed.OnSlider(kRepeatRateSliderId, 0);
  }
  EXPECT_EQ(profile->KBDelay, 1);
  EXPECT_EQ(profile->KBSpeed, 5);
  EXPECT_EQ(system.applied.back(), std::make_pair(1, 5));
}

TEST_F(KeyRepeatSessionTest, AProfileWithoutRepeatValuesNeverReachesWindows) {
  profile->KBDelay = -1;
  {
    KeyRepeatSession session(*profile, system);
    session.OnSlider(kRepeatRateSliderId, 9);
  }
  EXPECT_TRUE(system.applied.empty());
  EXPECT_EQ(profile->KBDelay, -1);
  EXPECT_EQ(profile->KBSpeed, 20);
}

TEST_F(KeyRepeatSessionTest, WithoutRepeatValuesTheSlidersStartAtWindowsOwnAndCancelGivesThemBack) {
  system.readable = true;
  profile->KBDelay = -1;
  profile->KBSpeed = -1;
  {
    KeyRepeatSession cancelled(*profile, system);
    EXPECT_EQ(cancelled.DelaySliderPosition(), 1);
    EXPECT_EQ(cancelled.RateSliderPosition(), 10);
    cancelled.OnSlider(kRepeatRateSliderId, 25);
    EXPECT_EQ(system.applied, (Applied{{2, 25}}));
    cancelled.Restore();
  }
  EXPECT_EQ(system.applied, (Applied{{2, 25}, {2, 10}}));
  EXPECT_EQ(profile->KBDelay, -1);
  EXPECT_EQ(profile->KBSpeed, -1);

  KeyRepeatSession kept(*profile, system);
  kept.OnSlider(kRepeatDelaySliderId, 3);
  kept.Keep();
  EXPECT_EQ(profile->KBDelay, 0);
  EXPECT_EQ(profile->KBSpeed, 10);
}

}  // namespace
}  // namespace brelfx
