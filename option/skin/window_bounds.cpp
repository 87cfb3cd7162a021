#include "option/skin/window_bounds.h"

#include <algorithm>

namespace brelfx {

WindowBounds WindowBoundsOf(const SkinRect& rect) {
  return WindowBounds{rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0)};
}

}  // namespace brelfx
