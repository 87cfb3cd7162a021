#include "option/app/trovi_page/trovi_page_model.h"

#include <algorithm>

#include "option/app/trovi_page/trovi_page_layout.h"

namespace brelfx {
namespace {

using namespace trovi_page;

bool Step(int& value, int by, int low, int high) {
  const int next = std::clamp(value + by, low, high);
  if (next == value) return false;
  value = next;
  return true;
}

}  // namespace

LevelAnimationChange TroviPageModel::Refresh(const std::uint8_t (&infoData)[kInfoDataSize],
                                             const ElapsedSpan& elapsed) {
  record_ = ReadInfoRecord(infoData);
  elapsed_ = elapsed;
  const int level =
      static_cast<int>(std::count(std::begin(record_.Trophies), std::end(record_.Trophies), 1));
  LevelAnimationChange change{level_, level};
  if (level != level_) {
    level_ = level;
    listRow_ = std::min(kListRowStep * level_, kLastListRow);
  }
  return change;
}

bool TroviPageModel::PreviousMode() {
  int mode = static_cast<int>(mode_);
  if (!Step(mode, -1, 0, kModeCount - 1)) return false;
  mode_ = static_cast<StatisticsMode>(mode);
  return true;
}

bool TroviPageModel::NextMode() {
  int mode = static_cast<int>(mode_);
  if (!Step(mode, 1, 0, kModeCount - 1)) return false;
  mode_ = static_cast<StatisticsMode>(mode);
  return true;
}

bool TroviPageModel::PreviousTrophy() {
  return Step(selected_, -1, 0, kTrophyCount - 1);
}
bool TroviPageModel::NextTrophy() {
  return Step(selected_, 1, 0, kTrophyCount - 1);
}

bool TroviPageModel::ScrollList(int rows) {
  return Step(listRow_, rows * kListRowStep, 0, kLastListRow);
}

void TroviPageModel::ResetCounters(std::uint8_t (&infoData)[kInfoDataSize]) {
  // The block's record, not the copy shown: a trophy unlocked since the last
  // refresh must not be locked again.
  InfoRecord stored = ReadInfoRecord(infoData);
  std::fill(std::begin(stored.Counters), std::end(stored.Counters), 0);
  WriteInfoRecord(stored, infoData);
  std::fill(std::begin(record_.Counters), std::end(record_.Counters), 0);
}

TrophyView TroviPageModel::trophy() const {
  const bool unlocked = record_.Trophies[selected_] == 1;
  return {unlocked ? selected_ : kLockedPicture, unlocked};
}

std::string TroviPageModel::TrophyNumberText() const {
  return std::to_string(selected_ + 1) + "/" + std::to_string(kTrophyCount);
}

std::string TroviPageModel::LevelText() const {
  return "Level: " + std::to_string(level_);
}

std::string TroviPageModel::UnlockedText() const {
  return "Unlocked: " + std::to_string(level_) + "/" + std::to_string(kTrophyCount);
}

}  // namespace brelfx
