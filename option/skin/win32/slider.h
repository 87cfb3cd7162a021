// The skinned horizontal slider: a track (CclickHSlider) cut from the page's
// picture, with a draggable, shaped thumb (CPHSlider) as its child. Both
// report WM_SLIDER_POS; the track forwards the thumb's reports to its owner.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "option/skin/slider_math.h"
#include "option/skin/win32/help_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CPHSlider : public Window {
 public:
  bool Create(HWND track, int thumbBitmapId, const SliderTravel& travel, int id);
  void SetRange(const SliderRange& range) { range_ = range; }
  void SetRounding(bool on) { rounding_ = on; }
  void SetDraggable(bool on) { draggable_ = on; }
  // Moves the thumb to the position of `value` (clamped into the range).
  void SetPos(int value);
  int Value() const { return value_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int CurrentLeft() const;
  LRESULT OnPaint();
  LRESULT OnLeftButtonDown(LPARAM lParam);
  LRESULT OnMouseMove(LPARAM lParam);
  LRESULT OnLeftButtonUp();
  LRESULT OnKeyDown(unsigned virtualKey);
  void Report(int value);

  UniqueBitmap bitmap_;
  SliderTravel travel_;
  SliderRange range_;
  int id_ = 0;
  int value_ = 0;
  bool rounding_ = false;
  bool draggable_ = false;
  bool dragging_ = false;
  POINT pressPoint_{};
};

class CclickHSlider : public Window {
 public:
  ~CclickHSlider() override;

  // Fails (nothing is created) when the thumb bitmap cannot be loaded.
  bool Create(int thumbBitmapId, const RECT& rect, HWND owner, int id);
  // Cuts the track's picture out of a full-window skin picture.
  void SetBackground(const RECT& rect, HBITMAP sourceImage);
  void SetRange(int minimum, int maximum);
  void SetPos(int value);
  void SetRounding(bool on);
  void SetHelpText(const std::string& text) { help_.SetText(text); }
  int Value() const { return thumb_.Value(); }
  int Id() const { return id_; }
  HWND Thumb() const { return thumb_.hwnd(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnCreate();
  LRESULT OnPaint();
  LRESULT OnLeftButtonUp(LPARAM lParam);

  CPHSlider thumb_;
  UniqueBitmap background_;
  HWND owner_ = nullptr;
  int thumbBitmapId_ = 0;
  int id_ = 0;
  SliderRange range_{0, 10};
  bool rounding_ = false;
  HoverHelp help_;
};

}  // namespace brelfx
