// The main window's progress bar: a flat grey track filled in blue from the
// left as far as the position has come within the range.
#pragma once

#include <windows.h>

#include "platform/win32/window.h"

namespace brelfx {

constexpr COLORREF kProgressTrackColor = RGB(161, 161, 161);
constexpr COLORREF kProgressBarColor = RGB(60, 137, 191);

class CUpgradeProgressBar : public Window {
 public:
  bool Create(HWND parent, const RECT& rect);
  // The position is kept within the range.
  void SetRange(int maximum);
  void SetPosition(int position);
  int position() const { return position_; }
  int maximum() const { return maximum_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnPaint();

  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace brelfx
