// How long ago the keyboard was first used, in whole hours and days, for the
// Trovi page's averages. Both count at least 1, so an average is never a
// division by zero and equals the total in the first hour.
#pragma once

#include <cstdint>

namespace brelfx {

// A local calendar time as RunsStart.ini and the system clock give it.
struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct ElapsedSpan {
  std::int64_t hours = 1;
  std::int64_t days = 1;
};

// Out-of-range fields roll over as mktime does (month 13 is January of the
// next year); a start after `now` gives the minimum span.
ElapsedSpan ElapsedSince(const LocalDateTime& start, const LocalDateTime& now);

}  // namespace brelfx
