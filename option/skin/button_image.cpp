#include "option/skin/button_image.h"

namespace brelfx {

ButtonImage ChooseButtonImage(const ButtonState& s) {
  if (s.toggleMode) {
    if (s.disabled) return ButtonImage::kDisabled;
    if (s.checked) return ButtonImage::kPressed;
    return s.hover ? ButtonImage::kHover : ButtonImage::kNormal;
  }
  // A push button checked from outside (a selected tab, the chosen palette
  // colour) stays pressed; otherwise press and hover outrank the disabled look.
  if (s.checked && !s.disabled) return ButtonImage::kPressed;
  if (s.selected) return ButtonImage::kPressed;
  if (s.hover) return ButtonImage::kHover;
  if (s.disabled) return ButtonImage::kDisabled;
  return ButtonImage::kNormal;
}

bool CheckedAfterClick(const ButtonState& s) {
  return s.toggleMode ? !s.checked : s.checked;
}

}  // namespace brelfx
