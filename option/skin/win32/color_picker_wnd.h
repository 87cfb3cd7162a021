// CColorPickerWnd: the colour spectrum strip. A press or drag picks the
// colour under the mouse, moves the marker there and posts WM_COLOR_PICKED.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/color_pick_area.h"
#include "option/skin/win32/help_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CColorPickerWnd : public Window {
 public:
  // Fails when either bitmap is missing.
  bool Create(const RECT& rect, HWND owner, int id, int spectrumBitmapId, int markerBitmapId);
  COLORREF GetColor() const { return color_; }
  // Replaces the help text it starts with ("Create Custom Color").
  void SetHelpText(const std::string& text) { help_.SetText(text); }
  PickPoint Marker() const { return marker_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnPaint();
  LRESULT OnLeftButtonDown(LPARAM lParam);
  LRESULT OnMouseMove(WPARAM keys, LPARAM lParam);
  LRESULT OnMouseLeave();
  bool PickAt(LPARAM lParam);
  void Pick(const PickPoint& point);
  LRESULT OnKeyDown(unsigned virtualKey);
  COLORREF SpectrumColorAt(const PickPoint& point) const;

  UniqueBitmap spectrum_;
  UniqueBitmap markerBitmap_;
  PickPoint marker_ = kInitialMarker;
  COLORREF color_ = RGB(255, 255, 255);
  bool dragging_ = false;
  HoverHelp help_;
};

}  // namespace brelfx
