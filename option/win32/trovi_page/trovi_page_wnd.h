// The Trovi page: the usage statistics as totals or averages, the trophies
// one at a time with their share button, the level with its animation, and
// the reset of the counters. Every decision is TroviPageModel's; this window
// shows its controls and draws the texts it gives.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "option/app/trovi_page/trovi_page_layout.h"
#include "option/app/trovi_page/trovi_page_model.h"
#include "option/skin/win32/animation/animated_picture.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_picture.h"
#include "option/win32/option_pages.h"

namespace brelfx {

class CTroviPageWnd final : public CPageWnd {
 public:
  // `countersReset` runs after the page cleared the counters of the edited
  // block: the main window publishes the record and tells the monitor.
  CTroviPageWnd(std::string programFolder, std::function<void()> countersReset);
  ~CTroviPageWnd() override;

  // Also the refresh after the monitor's WM_COUNTERS_CHANGED: the main
  // window has put the new record into the edited block.
  void Reload(SettingsBlock& edited) override;
  void ReloadStrings(StringSource& strings) override;

 protected:
  void OnCreatePage() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintOver(HDC dc, const RECT& client) override;

 private:
  void Refresh();
  void ShowLevel(const LevelAnimationChange& change);
  void ShowTrophy();
  void ShowMode(StatisticsMode previous);
  void Redraw();
  void OnCommand(HWND control);
  bool OnListScroll(POINT at);
  void ConfirmReset();
  void Share();
  void OnShareDone(WPARAM result);
  void DrawStatistics(HDC dc);

  std::string programFolder_;
  std::function<void()> countersReset_;
  SettingsBlock* edited_ = nullptr;
  TroviPageModel model_;
  CSkinButton previousMode_, nextMode_, previousTrophy_, nextTrophy_, share_, reset_;
  std::array<CSkinPicture, kTrophyCount + 1> pictures_, texts_;
  std::array<CSkinPicture, trovi_page::kModeCount> titles_;
  CSkinPicture banner_;  // holds the level animations, cut to the level banner
  std::array<CAnimatedPicture, kTrophyCount> animations_;
  UniqueBitmap list_;
  UniqueFont numberFont_, countFont_, captionFont_;
};

}  // namespace brelfx
