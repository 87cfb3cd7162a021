#include "option/app/trovi_page/elapsed_time.h"

#include <algorithm>

namespace brelfx {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Days from 1970-01-01 to a proleptic Gregorian date (the civil-calendar
// algorithm), with the month first brought into 1-12.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year += FloorDiv(month - 1, 12);
  month = month - 1 - FloorDiv(month - 1, 12) * 12 + 1;
  year -= month <= 2;
  const std::int64_t era = FloorDiv(year, 400);
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

std::int64_t SecondsOf(const LocalDateTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * 86400 + std::int64_t{t.hour} * 3600 +
         std::int64_t{t.minute} * 60 + t.second;
}

}  // namespace

ElapsedSpan ElapsedSince(const LocalDateTime& start, const LocalDateTime& now) {
  const std::int64_t seconds = SecondsOf(now) - SecondsOf(start);
  return {std::max<std::int64_t>(seconds / 3600, 1), std::max<std::int64_t>(seconds / 86400, 1)};
}

}  // namespace brelfx
