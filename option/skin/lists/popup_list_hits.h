// The capture rules of the popup list (the language selector): the list
// holds the mouse capture while the pointer is over no item, so a click
// anywhere else ends it with -1; over an item it lets go of the capture so
// the item's button gets its hover and its click.
#pragma once

#include <optional>
#include <span>

#include "option/skin/skin_rect.h"

namespace brelfx {

// Items are hit only inside their rectangle narrowed by this many pixels at
// the left and at the right.
inline constexpr int kPopupItemInset = 6;

// The item under (x, y) (client coordinates of the list), or -1.
int PopupItemAt(std::span<const SkinRect> items, int x, int y);

struct PopupMouseDecision {
  int item = -1;             // the item under the pointer, or -1
  bool holdCapture = false;  // the list must hold the capture now
  std::optional<int> end;    // the list ends with this result
};

// A mouse event at (x, y) in the list's client coordinates (anywhere on the
// screen); `leftDown` for a left-button press.
PopupMouseDecision PopupListOnMouse(std::span<const SkinRect> items, int x, int y, bool leftDown);

// Keyboard use of the list: Up/Down move the highlighted item (`highlighted`
// -1 when none), Enter ends with it, Escape ends with -1.
struct PopupKeyDecision {
  int highlighted = -1;
  std::optional<int> end;
};
PopupKeyDecision PopupListOnKey(unsigned virtualKey, int highlighted, int itemCount);

}  // namespace brelfx
