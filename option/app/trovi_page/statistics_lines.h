// What the Trovi page prints over its statistics list: each counter or sum
// of counters as a total or as an average per hour or per day, at its place
// in the list picture (whose labels say what each line is).
#pragma once

#include <string>
#include <vector>

#include "option/app/trovi_page/elapsed_time.h"
#include "settings/info_record.h"

namespace brelfx {

enum class StatisticsMode { kTotals, kPerHour, kPerDay };

struct StatisticLine {
  int x = 0, y = 0;   // in the list picture
  bool bold = false;  // bold lines are sums and uses ("%d Strokes", "%d times")
  std::string text;
};

// Sums are taken wide and every value stops at its largest shown value, so
// years of counting never print a negative or cut number; a negative
// counter (a damaged record) counts as 0.
std::vector<StatisticLine> StatisticLines(const InfoRecord& record, StatisticsMode mode,
                                          const ElapsedSpan& elapsed);

}  // namespace brelfx
