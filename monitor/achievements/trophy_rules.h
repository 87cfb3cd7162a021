// How usage counts become trophies: counters add up (and stop at the largest
// value instead of turning negative), and five chains of three thresholds
// unlock at most one trophy each per counter event; trophy 16 follows the
// other fifteen.
#pragma once

#include <cstdint>

#include "settings/info_record.h"

namespace brelfx {

constexpr int kEveryTrophy = 16;

// counterNumber 1-19; any other number adds nothing and returns false.
bool AddToCounter(InfoRecord& record, int counterNumber, std::uint16_t amount);

struct TrophyUnlocks {
  bool any = false;          // something was unlocked in this evaluation
  bool everyTrophy = false;  // trophy 16 is unlocked
};

// One evaluation after a counter event. Unlocking sets the trophy's flag and
// makes it the last trophy; trophies are never locked again.
TrophyUnlocks EvaluateTrophies(InfoRecord& record);

}  // namespace brelfx
