#include "monitor/achievements/trophy_rules.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

namespace brelfx {
namespace {

// One chain: the counters whose sum is tested and its three thresholds, for
// trophies first … first + 2. A trophy unlocks when the sum exceeds its
// threshold.
struct TrophyChain {
  int firstTrophy;
  std::initializer_list<int> counters;
  std::int64_t thresholds[3];
};

const TrophyChain kChains[] = {
    {1, {8}, {1000, 10000, 25000}},
    {4, {19}, {500000, 1500000, 3000000}},
    {7, {5, 6, 7}, {5000, 10000, 20000}},
    {10, {15}, {1000, 3000, 5000}},
    {13, {1, 2, 3, 4}, {35000, 70000, 100000}},
};

// Summed wide, so counters near the top cannot overflow the sum.
std::int64_t SumOf(const InfoRecord& record, std::initializer_list<int> counters) {
  std::int64_t sum = 0;
  for (int number : counters) sum += record.Counters[number - 1];
  return sum;
}

bool Unlocked(const InfoRecord& record, int trophy) {
  return record.Trophies[trophy - 1] == 1;
}

void Unlock(InfoRecord& record, int trophy) {
  record.Trophies[trophy - 1] = 1;
  record.LastTrophy = trophy;
}

}  // namespace

bool AddToCounter(InfoRecord& record, int counterNumber, std::uint16_t amount) {
  if (counterNumber < 1 || counterNumber > kCounterCount) return false;
  std::int32_t& counter = record.Counters[counterNumber - 1];
  // Years of keystrokes can pass 2^31: the counter stays at the top rather
  // than wrapping to a negative count.
  const std::int64_t sum = std::int64_t{counter} + amount;
  counter = static_cast<std::int32_t>(
      std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
  return true;
}

TrophyUnlocks EvaluateTrophies(InfoRecord& record) {
  TrophyUnlocks result;
  for (const TrophyChain& chain : kChains) {
    const std::int64_t sum = SumOf(record, chain.counters);
    for (int step = 0; step < 3; ++step) {
      const int trophy = chain.firstTrophy + step;
      if (!Unlocked(record, trophy) && sum > chain.thresholds[step]) {
        Unlock(record, trophy);
        result.any = true;
        break;
      }
    }
  }
  if (result.any && !Unlocked(record, kEveryTrophy)) {
    bool allOthers = true;
    for (int trophy = 1; trophy < kEveryTrophy; ++trophy)
      allOthers = allOthers && Unlocked(record, trophy);
    if (allOthers) Unlock(record, kEveryTrophy);
  }
  result.everyTrophy = Unlocked(record, kEveryTrophy);
  return result;
}

}  // namespace brelfx
