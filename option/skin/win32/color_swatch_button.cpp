#include "option/skin/win32/color_swatch_button.h"

#include "option/skin/swatch_shape.h"

namespace brelfx {

void CColorSwatchButton::SetColor(COLORREF color) {
  color_ = color;
  Repaint();
}

void CColorSwatchButton::PaintOver(HDC dc, const RECT& rect) {
  UniqueBrush brush(CreateSolidBrush(color_));
  for (const SkinRect& part : kSwatchChipRects) {
    const RECT r{rect.left + part.left, rect.top + part.top, rect.left + part.right,
                 rect.top + part.bottom};
    FillRect(dc, &r, brush.get());
  }
  CSkinButton::PaintOver(dc, rect);
}

}  // namespace brelfx
