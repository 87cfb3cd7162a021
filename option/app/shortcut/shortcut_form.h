// The shortcut dialog's logic ("Assign a Shortcut"): one key and the five
// modifier toggles None, Shift, Ctrl, Win, Alt.
//
// None set means "the key alone": the other four toggles are then disabled
// and keep their values. Keys reach the form as the keyboard capture sees
// them. Typing a combination works as people expect: the modifiers held
// while a key goes down become the toggles and the key becomes the
// shortcut's key; a modifier pressed and released on its own is the key
// itself (Left Control alone is a valid shortcut).
#pragma once

#include <cstdint>

#include "platform/keyboard_layout.h"

namespace brelfx {

struct ShortcutFlags {
  bool none = true;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool win = false;
};

// In the order of the dialog's boxes.
enum class ShortcutToggle { kNone, kShift, kCtrl, kWin, kAlt };

class ShortcutForm {
 public:
  ShortcutForm(std::uint8_t usage, const ShortcutFlags& flags) : usage_(usage), flags_(flags) {}

  std::uint8_t usage() const { return usage_; }
  const ShortcutFlags& flags() const { return flags_; }

  // None is always enabled; the other four only while None is off.
  bool IsEnabled(ShortcutToggle toggle) const;
  // Whether the box shows pressed: its own flag.
  bool IsOn(ShortcutToggle toggle) const;
  // A click: flips the flag of an enabled toggle; false (nothing changed)
  // for a disabled one.
  bool Flip(ShortcutToggle toggle);

  // A key went down or up (virtual key and scan code as the hook reports
  // them). True when the key or the toggles changed.
  bool OnKey(unsigned vk, unsigned scan, bool released, const KeyboardLayout& layout);

 private:
  void TakeHeldModifiers();

  std::uint8_t usage_;
  ShortcutFlags flags_;
  ShortcutFlags held_{false};  // modifiers down now (none unused)
  // The modifier that went down last with no other key since: released, it
  // becomes the key.
  unsigned loneModifierVk_ = 0;
};

}  // namespace brelfx
