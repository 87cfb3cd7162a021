#include "option/skin/drop_down_guard.h"

namespace brelfx {

bool DropDownGuard::ShouldOpen(WindowId button) {
  if (button != 0 && button == underCursorAtClose_ && button == lastOpener_) {
    lastOpener_ = 0;
    underCursorAtClose_ = 0;
    return false;
  }
  return true;
}

void DropDownGuard::MenuClosed(WindowId button, WindowId underCursor, bool byPress) {
  lastOpener_ = button;
  underCursorAtClose_ = byPress ? underCursor : 0;
}

}  // namespace brelfx
