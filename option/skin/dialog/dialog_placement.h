// Where a modal dialog opens: centred over its owner, kept on the screen.
#pragma once

#include "option/skin/skin_rect.h"

namespace brelfx {

struct DialogOrigin {
  int32_t x = 0;
  int32_t y = 0;
};

// Centred over `owner` (over the screen when the owner is empty), then moved
// so the whole dialog is on `screen` (its top-left corner wins when the
// dialog is larger than the screen).
DialogOrigin CentredDialogOrigin(const SkinRect& owner, int32_t width, int32_t height,
                                 const SkinRect& screen);

}  // namespace brelfx
