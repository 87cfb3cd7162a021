#include "option/skin/dialog/dialog_keys.h"

namespace brelfx {

DialogKeyAction DialogKeyFor(unsigned virtualKey, bool shift, FocusKind focused) {
  switch (virtualKey) {
    case kKeyTab:
      return shift ? DialogKeyAction::kFocusPrevious : DialogKeyAction::kFocusNext;
    case kKeyEnter:
      if (focused == FocusKind::kOwnKeys) return DialogKeyAction::kNone;
      return focused == FocusKind::kButton ? DialogKeyAction::kClickFocused : DialogKeyAction::kOk;
    case kKeyEscape:
      return focused == FocusKind::kOwnKeys ? DialogKeyAction::kNone : DialogKeyAction::kCancel;
    default:
      return DialogKeyAction::kNone;
  }
}

namespace {

bool Reachable(const FocusStop& stop) {
  return stop.tabStop && stop.visible && stop.enabled && stop.width > 0 && stop.height > 0;
}

}  // namespace

int NextFocusStop(std::span<const FocusStop> stops, int current, bool backward) {
  const int count = static_cast<int>(stops.size());
  if (count == 0) return -1;
  if (current < 0 || current >= count) current = backward ? count : -1;
  for (int step = 1; step <= count; ++step) {
    const int index = ((current + (backward ? -step : step)) % count + count) % count;
    if (Reachable(stops[static_cast<std::size_t>(index)])) return index;
  }
  return -1;
}

}  // namespace brelfx
