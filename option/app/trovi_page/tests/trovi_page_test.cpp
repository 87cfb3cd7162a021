// The Trovi page's decisions: which counter lands on which line of the
// statistics list, averages and their limits, the time since the first
// start, the level, the trophy on show and the reset.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <tuple>
#include <vector>

#include "option/app/trovi_page/first_start.h"
#include "option/app/trovi_page/trovi_page_model.h"
#include "platform/file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using Line = std::tuple<int, int, bool, std::string>;

std::vector<Line> Flatten(const std::vector<StatisticLine>& lines) {
  std::vector<Line> flat;
  for (const auto& l : lines) flat.emplace_back(l.x, l.y, l.bold, l.text);
  return flat;
}

struct InfoBytes {
  std::uint8_t bytes[kInfoDataSize] = {};
  explicit InfoBytes(const InfoRecord& record) { WriteInfoRecord(record, bytes); }
};

// Counter n holds n: every line shows which counters it was made of.
TEST(StatisticLines, EachLineShowsItsCountersAtItsPlace) {
  InfoRecord record{};
  for (int n = 1; n <= kCounterCount; ++n) record.Counters[n - 1] = n;
  const std::vector<Line> expected = {
      {112, 5, false, "19"},        {112, 45, false, "1"},         {112, 58, false, "2"},
      {112, 71, false, "3"},        {112, 84, false, "4"},         {112, 137, false, "5"},
      {112, 150, false, "6"},       {112, 163, false, "7"},        {112, 295, false, "10"},
      {112, 309, false, "11"},      {112, 322, false, "12"},       {112, 335, false, "13"},
      {112, 348, false, "14"},      {112, 97, true, "10 Strokes"}, {112, 177, true, "18 Strokes"},
      {112, 216, true, "8 times"},  {112, 256, true, "9 times"},   {112, 361, true, "60 Strokes"},
      {112, 401, true, "16 times"}, {112, 441, true, "15 times"},  {122, 480, true, "17 times"},
      {112, 520, true, "18 times"}};
  EXPECT_EQ(Flatten(StatisticLines(record, StatisticsMode::kTotals, {})), expected);
}

TEST(StatisticLines, AveragesDivideByWholeHoursOrDaysAndLargeValuesStopAtTheirLimit) {
  InfoRecord record{};
  record.Counters[18] = 7000;      // counter 19
  record.Counters[7] = 150000000;  // counter 8: more than eight digits
  for (int n = 1; n <= 4; ++n) record.Counters[n - 1] = std::numeric_limits<std::int32_t>::max();
  record.Counters[8] = -5;  // counter 9 of a damaged record
  const ElapsedSpan elapsed{49, 2};
  const auto at = [](const std::vector<StatisticLine>& lines, int y) {
    for (const auto& l : lines)
      if (l.y == y) return l.text;
    return std::string("missing");
  };
  const auto totals = StatisticLines(record, StatisticsMode::kTotals, elapsed);
  EXPECT_EQ(at(totals, 5), "7000");
  EXPECT_EQ(at(totals, 216), "99999999 times");
  EXPECT_EQ(at(totals, 97), "99999999 Strokes");  // four full counters, not a wrapped sum
  EXPECT_EQ(at(totals, 45), "2147483647");
  EXPECT_EQ(at(totals, 256), "0 times");
  const auto perHour = StatisticLines(record, StatisticsMode::kPerHour, elapsed);
  EXPECT_EQ(at(perHour, 5), "142");  // 7000 / 49
  EXPECT_EQ(at(perHour, 216), "3061224 times");
  EXPECT_EQ(at(perHour, 97), "99999999 Strokes");  // 4 x (2^31 - 1) / 49 still too long
  const auto perDay = StatisticLines(record, StatisticsMode::kPerDay, elapsed);
  EXPECT_EQ(at(perDay, 5), "3500");
  EXPECT_EQ(at(perDay, 216), "75000000 times");
}

TEST(ElapsedSince, CountsWholeHoursAndDaysAndAtLeastOneOfEach) {
  const LocalDateTime start{2024, 2, 28, 22, 30, 0};
  EXPECT_EQ(ElapsedSince(start, {2024, 2, 28, 23, 29, 59}).hours, 1);  // under an hour
  EXPECT_EQ(ElapsedSince(start, {2024, 2, 28, 23, 29, 59}).days, 1);
  // Through the leap day into March: 2 days and 1 hour.
  const ElapsedSpan leap = ElapsedSince(start, {2024, 3, 1, 23, 30, 0});
  EXPECT_EQ(leap.hours, 49);
  EXPECT_EQ(leap.days, 2);
  // Over a year end, and a start the clock has not reached yet.
  EXPECT_EQ(ElapsedSince({2023, 12, 31, 0, 0, 0}, {2024, 1, 10, 0, 0, 0}).days, 10);
  EXPECT_EQ(ElapsedSince({2030, 1, 1, 0, 0, 0}, {2024, 1, 1, 0, 0, 0}).hours, 1);
  // Month 13 of 2023 is January 2024.
  EXPECT_EQ(ElapsedSince({2023, 13, 1, 0, 0, 0}, {2024, 1, 3, 0, 0, 0}).days, 2);
}

TEST(FirstStart, AMissingFileStartsTheClockNowAndAStoredTimeIsKept) {
  test::TempFolder folder;
  const LocalDateTime monday{2026, 12, 7, 9, 15, 42};
  const LocalDateTime first = ReadFirstStart(SystemFileSystem(), folder.path(), monday);
  EXPECT_EQ(std::tie(first.year, first.month, first.day, first.hour, first.minute),
            std::tie(monday.year, monday.month, monday.day, monday.hour, monday.minute));
  const std::string text = test::ReadFileText(folder.Join("RunsStart.ini"));
  EXPECT_NE(text.find("[StartTime]\r\nYear=2026\r\nMonth=12\r\nDay=7\r\nHour=9\r\nMinute=15\r\n"),
            std::string::npos)
      << text;
  // Two days later the stored start is still monday's.
  const LocalDateTime later =
      ReadFirstStart(SystemFileSystem(), folder.path(), {2026, 12, 9, 10, 0, 0});
  EXPECT_EQ(ElapsedSince(later, {2026, 12, 9, 10, 0, 0}).days, 2);
  // A stored start that lacks its minute takes the minute of now.
  test::WriteFileText(folder.Join("RunsStart.ini"),
                      "[StartTime]\r\nYear=2025\r\nMonth=1\r\nDay=2\r\nHour=3\r\n");
  EXPECT_EQ(ReadFirstStart(SystemFileSystem(), folder.path(), monday).minute, 15);
  EXPECT_EQ(ReadFirstStart(SystemFileSystem(), folder.path(), monday).year, 2025);
}

class TroviPage : public ::testing::Test {
 protected:
  LevelAnimationChange RefreshWith(std::initializer_list<int> unlocked) {
    for (int trophy : unlocked) record_.Trophies[trophy - 1] = 1;
    return model_.Refresh(InfoBytes(record_).bytes, {});
  }
  InfoRecord record_{};
  TroviPageModel model_;
};

TEST_F(TroviPage, LevelFollowsTheUnlockedTrophiesAndSwapsTheAnimationOnlyOnChange) {
  LevelAnimationChange change = RefreshWith({});
  EXPECT_FALSE(change.changed());  // level 0: no animation at all
  EXPECT_EQ(model_.UnlockedText(), "Unlocked: 0/16");
  EXPECT_EQ(model_.listRow(), 0);
  change = RefreshWith({1, 4, 16});
  EXPECT_EQ(std::pair(change.hide, change.show), std::pair(0, 3));
  EXPECT_EQ(model_.LevelText(), "Level: 3");
  EXPECT_EQ(model_.UnlockedText(), "Unlocked: 3/16");
  EXPECT_EQ(model_.listRow(), 75);
  EXPECT_FALSE(RefreshWith({}).changed());
  // A flag other than 1 is not an unlocked trophy.
  record_.Trophies[1] = 2;
  EXPECT_FALSE(RefreshWith({}).changed());
  change = RefreshWith({2, 3, 5, 6, 7, 8, 9, 10, 11, 12});
  EXPECT_EQ(std::pair(change.hide, change.show), std::pair(3, 13));
  EXPECT_EQ(model_.listRow(), 285);  // 25 x 13 is past the list's end
}

TEST_F(TroviPage, SelectionAndModesStopAtTheirEndsAndOnlyUnlockedTrophiesShowAndShare) {
  RefreshWith({1, 16});
  EXPECT_FALSE(model_.PreviousMode());
  EXPECT_FALSE(model_.PreviousTrophy());
  EXPECT_EQ(model_.TrophyNumberText(), "1/16");
  EXPECT_EQ(model_.trophy().picture, 0);
  EXPECT_TRUE(model_.trophy().shareEnabled);
  ASSERT_TRUE(model_.NextTrophy());
  EXPECT_EQ(model_.trophy().picture, 16);  // trophy 2 is locked
  EXPECT_FALSE(model_.trophy().shareEnabled);
  for (int i = 0; i < 20; ++i) model_.NextTrophy();
  EXPECT_EQ(model_.selectedTrophy(), 15);
  EXPECT_EQ(model_.TrophyNumberText(), "16/16");
  EXPECT_EQ(model_.trophy().picture, 15);
  EXPECT_TRUE(model_.NextMode());
  EXPECT_TRUE(model_.NextMode());
  EXPECT_FALSE(model_.NextMode());
  EXPECT_EQ(model_.mode(), StatisticsMode::kPerDay);
  EXPECT_TRUE(model_.ScrollList(-2));  // level 2 shows the list from row 50
  EXPECT_FALSE(model_.ScrollList(-1));
  EXPECT_TRUE(model_.ScrollList(100));
  EXPECT_EQ(model_.listRow(), 285);
}

TEST_F(TroviPage, ResetClearsTheNineteenCountersOfTheBlockAndKeepsEveryTrophy) {
  for (int n = 1; n <= kCounterCount; ++n) record_.Counters[n - 1] = 1000 * n;
  record_.LastTrophy = 7;
  RefreshWith({1, 2, 7});
  // The block has won trophy 9 since the page last refreshed.
  InfoRecord block = record_;
  block.Trophies[8] = 1;
  block.LastTrophy = 9;
  InfoBytes bytes(block);
  model_.ResetCounters(bytes.bytes);
  const InfoRecord after = ReadInfoRecord(bytes.bytes);
  for (int n = 0; n < kCounterCount; ++n) EXPECT_EQ(after.Counters[n], 0) << "counter " << n + 1;
  EXPECT_EQ(std::memcmp(bytes.bytes + 76, InfoBytes(block).bytes + 76, kInfoDataSize - 76), 0);
  EXPECT_EQ(after.LastTrophy, 9);
  EXPECT_EQ(model_.record().Counters[7], 0);
  EXPECT_EQ(model_.level(), 3);
}

}  // namespace
}  // namespace brelfx
