// Base of every skinned page and dialog: its skin set, its shape, flicker-free
// painting of its normal picture, and dragging by the background.
#pragma once

#include <windows.h>

#include "option/skin/win32/skin_image.h"
#include "platform/win32/window.h"

namespace brelfx {

class SkinWindow : public Window {
 public:
  // Dialogs move themselves when dragged; pages move their parent (the main window).
  enum class DragMoves { kSelf, kParent };

  const SkinSet& skin() const { return skin_; }

 protected:
  explicit SkinWindow(DragMoves drag) : drag_(drag) {}

  // Loads the skin set and gives the window the size of its normal picture
  // (its position stays). Call from the window's creation.
  bool LoadSkin(const SkinSetIds& ids);
  // Cuts the window region out of the shape picture (white is outside).
  void ApplyShape();

  // Chain here from a derived HandleMessage's default case.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Drawn over the normal picture in the off-screen bitmap before it is shown.
  virtual void PaintOver(HDC /*dc*/, const RECT& /*client*/) {}

 private:
  LRESULT OnPaint();
  LRESULT OnLeftButtonDown(LPARAM lParam);

  SkinSet skin_;
  DragMoves drag_;
};

}  // namespace brelfx
