#include "option/skin/lists/popup_list_hits.h"

#include "option/skin/dialog/dialog_keys.h"

namespace brelfx {
namespace {

constexpr unsigned kKeyUp = 0x26, kKeyDown = 0x28;

}  // namespace

int PopupItemAt(std::span<const SkinRect> items, int x, int y) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const SkinRect& r = items[i];
    const SkinRect narrowed{SaturatedInt32(int64_t{r.left} + kPopupItemInset), r.top,
                            SaturatedInt32(int64_t{r.right} - kPopupItemInset), r.bottom};
    if (narrowed.Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

PopupMouseDecision PopupListOnMouse(std::span<const SkinRect> items, int x, int y, bool leftDown) {
  PopupMouseDecision decision;
  decision.item = PopupItemAt(items, x, y);
  decision.holdCapture = decision.item < 0;
  // Over an item the press belongs to the item's button; its click ends the list.
  if (leftDown && decision.item < 0) decision.end = -1;
  return decision;
}

PopupKeyDecision PopupListOnKey(unsigned virtualKey, int highlighted, int itemCount) {
  PopupKeyDecision decision{highlighted, std::nullopt};
  if (itemCount <= 0) {
    if (virtualKey == kKeyEscape || virtualKey == kKeyEnter) decision.end = -1;
    return decision;
  }
  switch (virtualKey) {
    case kKeyDown:
      decision.highlighted = highlighted < 0 ? 0 : (highlighted + 1) % itemCount;
      break;
    case kKeyUp:
      decision.highlighted = highlighted <= 0 ? itemCount - 1 : highlighted - 1;
      break;
    case kKeyEnter:
      decision.end = highlighted >= 0 && highlighted < itemCount ? highlighted : -1;
      break;
    case kKeyEscape:
      decision.end = -1;
      break;
    default:
      break;
  }
  return decision;
}

}  // namespace brelfx
