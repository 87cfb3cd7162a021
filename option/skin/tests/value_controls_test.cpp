// Arithmetic of the slider and the spin field.
#include <gtest/gtest.h>

#include "option/skin/slider_math.h"
#include "option/skin/spin_rules.h"

namespace brelfx {
namespace {

// The brightness slider: range 0-5 on a 190-pixel track with a 14-pixel thumb.
constexpr SliderRange kBrightness{0, 5};
constexpr SliderTravel kTrack{0, 190, 14};

TEST(Slider, ThumbPositionIsLinearAndClampedToTheRange) {
  EXPECT_EQ(ThumbLeftForValue(0, kBrightness, kTrack), 0);
  EXPECT_EQ(ThumbLeftForValue(5, kBrightness, kTrack), 176);
  EXPECT_EQ(ThumbLeftForValue(2, kBrightness, kTrack), 70);  // 176 * 2 / 5, truncated
  EXPECT_EQ(ThumbLeftForValue(-3, kBrightness, kTrack), 0);
  EXPECT_EQ(ThumbLeftForValue(99, kBrightness, kTrack), 176);
  EXPECT_EQ(ThumbLeftForValue(3, SliderRange{4, 4}, kTrack),
            0);  // empty range: no division by zero
}

TEST(Slider, ClickBeyondTheTrackEndsGivesMinimumOrMaximum) {
  EXPECT_EQ(SettleSliderValue(TrackClickValue(-40, 0, 190, kBrightness), true, kBrightness), 0);
  EXPECT_EQ(SettleSliderValue(TrackClickValue(400, 0, 190, kBrightness), true, kBrightness), 5);
  EXPECT_EQ(SettleSliderValue(TrackClickValue(400, 0, 190, kBrightness), false, kBrightness), 5);
}

TEST(Slider, ClickRoundsOrTruncates) {
  // 100 px of 190 on 0-5 is 2.63.
  EXPECT_DOUBLE_EQ(TrackClickValue(100, 0, 190, kBrightness), 500.0 / 190.0);
  EXPECT_EQ(SettleSliderValue(TrackClickValue(100, 0, 190, kBrightness), true, kBrightness), 3);
  EXPECT_EQ(SettleSliderValue(TrackClickValue(100, 0, 190, kBrightness), false, kBrightness), 2);
  EXPECT_EQ(SettleSliderValue(TrackClickValue(5, 5, 5, kBrightness), true, kBrightness), 0);
}

TEST(Slider, ReleasedBetweenStepsSnapsToTheNearestStepPosition) {
  // Dropped at 100 px: 100 * 5 / 176 = 2.84 rounds to 3, whose position is 105.
  const int value = SettleSliderValue(ThumbValue(100, kBrightness, kTrack), true, kBrightness);
  EXPECT_EQ(value, 3);
  EXPECT_EQ(ThumbLeftForValue(value, kBrightness, kTrack), 105);
  // The end of the travel is the maximum exactly.
  EXPECT_EQ(SettleSliderValue(ThumbValue(176, kBrightness, kTrack), false, kBrightness), 5);
}

TEST(Slider, DraggedThumbStaysInsideItsTravel) {
  EXPECT_EQ(ClampThumbLeft(-20, kTrack), 0);
  EXPECT_EQ(ClampThumbLeft(500, kTrack), 176);
  EXPECT_EQ(ClampThumbLeft(5, SliderTravel{0, 10, 30}), 0);  // thumb wider than its track
}

TEST(Slider, ReversedRangeStillClamps) {
  // The key repeat dialog shows delay 3 - position; ranges are always min < max
  // there, but a reversed one must not make std::clamp undefined.
  EXPECT_EQ(SettleSliderValue(7.0, false, SliderRange{3, 0}), 3);
}

constexpr SpinRange kByte{0, 255, 1};

TEST(SpinEdit, KillFocusClampsAndRewrites) {
  SpinOutcome out = SpinOnKillFocus("300", kByte);
  EXPECT_EQ(out.value, 255);
  EXPECT_EQ(out.newText, "255");
  EXPECT_TRUE(out.report);

  out = SpinOnKillFocus("-4", kByte);
  EXPECT_EQ(out.value, 0);
  EXPECT_EQ(out.newText, "0");

  out = SpinOnKillFocus("42", kByte);
  EXPECT_EQ(out.value, 42);
  EXPECT_FALSE(out.newText);
}

TEST(SpinEdit, TypingCapsAtTheMaximumAndReports) {
  SpinOutcome out = SpinOnEditNotify("300", false, kByte);
  EXPECT_EQ(out.value, 255);
  EXPECT_EQ(out.newText, "255");
  EXPECT_TRUE(out.report);

  out = SpinOnEditNotify("12", false, kByte);
  EXPECT_EQ(out.value, 12);
  EXPECT_FALSE(out.newText);  // unchanged text is not rewritten (that would loop)
  EXPECT_TRUE(out.report);
}

TEST(SpinEdit, TypingCutsToTheFirstSignOrDigitAndKeepsOneSign) {
  EXPECT_EQ(SpinOnEditNotify("007", false, kByte).newText, "7");
  EXPECT_EQ(SpinOnEditNotify("x+5-", false, kByte).value, 5);
  const SpinOutcome negative = SpinOnEditNotify("-5", false, kByte);
  EXPECT_EQ(negative.value, -5);
  EXPECT_FALSE(negative.report);  // below the minimum: wait for the focus to leave
}

TEST(SpinEdit, LoneSignAndEmptyTextAreLeftForTheUserToFinish) {
  EXPECT_FALSE(SpinOnEditNotify("-", false, kByte).newText);
  EXPECT_FALSE(SpinOnEditNotify("", false, kByte).newText);
  // Zero below the minimum becomes the minimum while typing.
  EXPECT_EQ(SpinOnEditNotify("0", false, SpinRange{1, 9, 1}).newText, "1");
}

TEST(SpinEdit, EnterRaisesToTheMinimumAndRewrites) {
  const SpinOutcome out = SpinOnEditNotify("-7", true, SpinRange{2, 9, 1});
  EXPECT_EQ(out.value, 2);
  EXPECT_EQ(out.newText, "2");
  EXPECT_TRUE(out.caretToEnd);
  EXPECT_TRUE(out.report);
  EXPECT_FALSE(SpinOnEditNotify("5", true, SpinRange{2, 9, 1}).newText);
}

TEST(SpinEdit, ArrowsStepClampAndReport) {
  EXPECT_EQ(SpinOnArrow("10", true, SpinRange{0, 255, 5})->value, 15);
  EXPECT_EQ(SpinOnArrow("253", true, SpinRange{0, 255, 5})->value, 255);
  const auto down = SpinOnArrow("2", false, SpinRange{0, 255, 5});
  EXPECT_EQ(down->value, 0);
  EXPECT_EQ(down->newText, "0");
  EXPECT_TRUE(down->report);
  EXPECT_FALSE(SpinOnArrow("300", true, kByte));
  EXPECT_FALSE(SpinOnArrow("-1", false, kByte));
}

TEST(SpinEdit, ValueSetByTheProgramIsShownButNotReported) {
  const SpinOutcome out = SpinOnSetValue(42);
  EXPECT_EQ(out.value, 42);
  EXPECT_EQ(out.newText, "42");
  EXPECT_FALSE(out.report);
}

TEST(SliderKeys, ArrowsStepHomeAndEndJumpAndTheRangeHolds) {
  const SliderRange repeatRate{0, 31};
  EXPECT_EQ(SliderValueAfterKey(0x27, 5, repeatRate), 6);  // Right
  EXPECT_EQ(SliderValueAfterKey(0x26, 5, repeatRate), 6);  // Up
  EXPECT_EQ(SliderValueAfterKey(0x25, 5, repeatRate), 4);  // Left
  EXPECT_EQ(SliderValueAfterKey(0x28, 0, repeatRate), 0);  // Down at the minimum
  EXPECT_EQ(SliderValueAfterKey(0x27, 31, repeatRate), 31);
  EXPECT_EQ(SliderValueAfterKey(0x24, 17, repeatRate), 0);   // Home
  EXPECT_EQ(SliderValueAfterKey(0x23, 17, repeatRate), 31);  // End
  EXPECT_EQ(SliderValueAfterKey(0x41, 17, repeatRate), std::nullopt);
}

TEST(SpinEdit, HugeNumbersSaturateInsteadOfOverflowing) {
  EXPECT_EQ(ParseLeadingInt("99999999999999999999"), INT32_MAX);
  EXPECT_EQ(ParseLeadingInt("-99999999999999999999"), INT32_MIN);
  EXPECT_EQ(SpinOnKillFocus("99999999999999999999", kByte).value, 255);
  EXPECT_EQ(ParseLeadingInt("  -12abc"), -12);
}

}  // namespace
}  // namespace brelfx
