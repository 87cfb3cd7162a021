// The Trovi page without its window: the statistics record it shows, the
// statistics mode, the selected trophy and the level (the number of
// unlocked trophies), with the page's commands. The window shows what this
// says and draws the lines it gives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "option/app/trovi_page/elapsed_time.h"
#include "option/app/trovi_page/statistics_lines.h"
#include "settings/info_record.h"

namespace brelfx {

// Which level animation to hide and which to show after a refresh; 0 for
// none, else the level 1-16 whose animation it is.
struct LevelAnimationChange {
  int hide = 0;
  int show = 0;
  bool changed() const { return hide != show; }
};

// The trophy on show: its picture and text (0-15, or 16 for a locked
// trophy) and whether it can be shared.
struct TrophyView {
  int picture = 16;
  bool shareEnabled = false;
};

class TroviPageModel {
 public:
  // Takes the record and the time since the first start.
  LevelAnimationChange Refresh(const std::uint8_t (&infoData)[kInfoDataSize],
                               const ElapsedSpan& elapsed);

  // The commands; each says whether anything changed.
  bool PreviousMode();
  bool NextMode();
  bool PreviousTrophy();
  bool NextTrophy();
  // Moves the statistics list by `rows` steps (negative: up).
  bool ScrollList(int rows);
  // Clears the nineteen counters of the block's record `infoData` (the first
  // 76 bytes) and of the record shown; the trophies and the last trophy stay.
  void ResetCounters(std::uint8_t (&infoData)[kInfoDataSize]);

  const InfoRecord& record() const { return record_; }
  int level() const { return level_; }
  StatisticsMode mode() const { return mode_; }
  int selectedTrophy() const { return selected_; }
  TrophyView trophy() const;
  std::vector<StatisticLine> Lines() const { return StatisticLines(record_, mode_, elapsed_); }
  // The first row of the statistics list picture in view.
  int listRow() const { return listRow_; }

  std::string TrophyNumberText() const;  // "3/16"
  std::string LevelText() const;         // "Level: 5"
  std::string UnlockedText() const;      // "Unlocked: 5/16"

 private:
  InfoRecord record_{};
  ElapsedSpan elapsed_;
  StatisticsMode mode_ = StatisticsMode::kTotals;
  int selected_ = 0;
  int level_ = 0;
  int listRow_ = 0;
};

}  // namespace brelfx
