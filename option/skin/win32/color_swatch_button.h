// CColorSwatchButton: a skinned button that shows a colour chip over its
// state image (palette colours, the custom colour, the profile slot colours).
#pragma once

#include "option/skin/win32/skin_button.h"

namespace brelfx {

class CColorSwatchButton : public CSkinButton {
 public:
  void SetColor(COLORREF color);
  COLORREF Color() const { return color_; }

 protected:
  void PaintOver(HDC dc, const RECT& rect) override;

 private:
  COLORREF color_ = 0;
};

}  // namespace brelfx
