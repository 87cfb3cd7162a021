#include "option/app/trovi_page/statistics_lines.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace brelfx {
namespace {

enum class Unit { kNumber, kStrokes, kTimes };

struct Row {
  int x, y;
  std::initializer_list<int> counters;  // counter numbers 1-19, summed
  Unit unit;
};

const Row kRows[] = {
    {112, 5, {19}, Unit::kNumber},         {112, 45, {1}, Unit::kNumber},
    {112, 58, {2}, Unit::kNumber},         {112, 71, {3}, Unit::kNumber},
    {112, 84, {4}, Unit::kNumber},         {112, 137, {5}, Unit::kNumber},
    {112, 150, {6}, Unit::kNumber},        {112, 163, {7}, Unit::kNumber},
    {112, 295, {10}, Unit::kNumber},       {112, 309, {11}, Unit::kNumber},
    {112, 322, {12}, Unit::kNumber},       {112, 335, {13}, Unit::kNumber},
    {112, 348, {14}, Unit::kNumber},       {112, 97, {1, 2, 3, 4}, Unit::kStrokes},
    {112, 177, {5, 6, 7}, Unit::kStrokes}, {112, 216, {8}, Unit::kTimes},
    {112, 256, {9}, Unit::kTimes},         {112, 361, {10, 11, 12, 13, 14}, Unit::kStrokes},
    {112, 401, {16}, Unit::kTimes},        {112, 441, {15}, Unit::kTimes},
    {122, 480, {17}, Unit::kTimes},        {112, 520, {18}, Unit::kTimes},
};

// Eight digits fit the list beside the labels.
constexpr std::int64_t kLargestCount = 99999999;

std::int64_t Divisor(StatisticsMode mode, const ElapsedSpan& elapsed) {
  switch (mode) {
    case StatisticsMode::kPerHour:
      return std::max<std::int64_t>(elapsed.hours, 1);
    case StatisticsMode::kPerDay:
      return std::max<std::int64_t>(elapsed.days, 1);
    default:
      return 1;
  }
}

std::string Text(Unit unit, std::int64_t value) {
  const std::string digits = std::to_string(value);
  switch (unit) {
    case Unit::kStrokes:
      return digits + " Strokes";
    case Unit::kTimes:
      return digits + " times";
    default:
      return digits;
  }
}

}  // namespace

std::vector<StatisticLine> StatisticLines(const InfoRecord& record, StatisticsMode mode,
                                          const ElapsedSpan& elapsed) {
  std::vector<StatisticLine> lines;
  for (const Row& row : kRows) {
    std::int64_t sum = 0;
    for (int number : row.counters) sum += std::max(record.Counters[number - 1], 0);
    const std::int64_t largest =
        row.unit == Unit::kNumber ? std::numeric_limits<std::int32_t>::max() : kLargestCount;
    const std::int64_t value = std::min(sum / Divisor(mode, elapsed), largest);
    lines.push_back({row.x, row.y, row.unit != Unit::kNumber, Text(row.unit, value)});
  }
  return lines;
}

}  // namespace brelfx
