#include "option/app/shortcut/shortcut_form.h"

#include "option/app/shortcut/shortcut_key.h"

namespace brelfx {
namespace {

// Virtual keys of the modifiers: generic, left and right (the low-level
// hook reports the sided ones).
bool IsShift(unsigned vk) { return vk == 0x10 || vk == 0xA0 || vk == 0xA1; }
bool IsCtrl(unsigned vk) { return vk == 0x11 || vk == 0xA2 || vk == 0xA3; }
bool IsAlt(unsigned vk) { return vk == 0x12 || vk == 0xA4 || vk == 0xA5; }
bool IsWin(unsigned vk) { return vk == 0x5B || vk == 0x5C; }

bool ShortcutFlags::*FlagOf(ShortcutToggle toggle) {
  switch (toggle) {
    case ShortcutToggle::kShift:
      return &ShortcutFlags::shift;
    case ShortcutToggle::kCtrl:
      return &ShortcutFlags::ctrl;
    case ShortcutToggle::kWin:
      return &ShortcutFlags::win;
    case ShortcutToggle::kAlt:
      return &ShortcutFlags::alt;
    case ShortcutToggle::kNone:
      break;
  }
  return &ShortcutFlags::none;
}

}  // namespace

bool ShortcutForm::IsEnabled(ShortcutToggle toggle) const {
  return toggle == ShortcutToggle::kNone || !flags_.none;
}

bool ShortcutForm::IsOn(ShortcutToggle toggle) const {
  return flags_.*FlagOf(toggle);
}

bool ShortcutForm::Flip(ShortcutToggle toggle) {
  if (!IsEnabled(toggle)) return false;
  bool& flag = flags_.*FlagOf(toggle);
  flag = !flag;
  return true;
}

void ShortcutForm::TakeHeldModifiers() {
  flags_.none = false;
  flags_.shift = held_.shift;
  flags_.ctrl = held_.ctrl;
  flags_.alt = held_.alt;
  flags_.win = held_.win;
}

bool ShortcutForm::OnKey(unsigned vk, unsigned scan, bool released, const KeyboardLayout& layout) {
  bool* heldFlag = IsShift(vk) ? &held_.shift
                   : IsCtrl(vk) ? &held_.ctrl
                   : IsAlt(vk)  ? &held_.alt
                   : IsWin(vk)  ? &held_.win
                                : nullptr;
  const auto usage = UsageOfPressedKey(vk, scan, layout);
  if (heldFlag) {
    *heldFlag = !released;
    if (!released) {
      loneModifierVk_ = vk;
      return false;
    }
    if (loneModifierVk_ != vk || !usage) return false;
    loneModifierVk_ = 0;
    usage_ = *usage;
    return true;
  }
  loneModifierVk_ = 0;
  if (!usage) return false;
  usage_ = *usage;
  const bool anyHeld = held_.shift || held_.ctrl || held_.alt || held_.win;
  if (!released && anyHeld) TakeHeldModifiers();
  return true;
}

}  // namespace brelfx
