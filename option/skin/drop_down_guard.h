// The second-click rule of drop-down menus: clicking the button whose menu
// has just closed (that click is what closed it) must not open it again.
#pragma once

#include <cstdint>

namespace brelfx {

class DropDownGuard {
 public:
  using WindowId = std::uintptr_t;  // a window handle as a number

  // A click on `button`: true when its menu should open.
  bool ShouldOpen(WindowId button);
  // The menu of `button` returned; `underCursor` is the window below the
  // mouse at that moment, `byPress` whether a mouse press closed it. Only a
  // press can be the click on the button; a menu left with Escape or Enter
  // while the mouse rests on its button must open again on the next click
  // (or Space/Enter from the keyboard).
  void MenuClosed(WindowId button, WindowId underCursor, bool byPress = true);

 private:
  WindowId lastOpener_ = 0;
  WindowId underCursorAtClose_ = 0;
};

}  // namespace brelfx
