// The key repeat dialog without its window. Opening remembers the profile's
// delay and rate and applies them; every slider move stores and applies at
// once, so the user tries the new repeat in the dialog's test field. Only
// Keep (OK) lets the new values stand: a session that ends any other way —
// Cancel, Exit, or its window destroyed when the main window is closed
// from outside — puts the remembered values back into the profile and into
// Windows, which must never keep a half-chosen repeat rate. A profile without
// repeat values (-1) shows Windows' own, and a cancelled session gives
// Windows back what it had when the dialog opened.
#pragma once

#include "platform/system_keyboard_repeat.h"
#include "settings/settings_block.h"

namespace brelfx {

// WM_SLIDER_POS ids of the dialog's sliders. The delay slider runs from the
// longest delay (left) to the shortest (right): position = 3 - delay.
constexpr int kRepeatDelaySliderId = 300;
constexpr int kRepeatRateSliderId = 301;

class KeyRepeatSession {
 public:
  KeyRepeatSession(ProfileRecord& profile, SystemKeyboardRepeat& system);
  ~KeyRepeatSession();
  KeyRepeatSession(const KeyRepeatSession&) = delete;
  KeyRepeatSession& operator=(const KeyRepeatSession&) = delete;

  int DelaySliderPosition() const;
  int RateSliderPosition() const;
  void OnSlider(int sliderId, int position);
  // OK: the new values stay.
  void Keep() { ended_ = true; }
  // Cancel, Exit: the remembered values return; nothing after Keep.
  void Restore();

 private:
  void ApplyToSystem();
  bool ProfileHasRepeat() const;

  ProfileRecord& profile_;
  SystemKeyboardRepeat& system_;
  int rememberedDelay_;
  int rememberedRate_;
  // Windows' values when the dialog opened, or -1 when it could not tell.
  int systemDelay_ = -1;
  int systemRate_ = -1;
  bool changedSystem_ = false;
  bool ended_ = false;  // kept or restored
};

}  // namespace brelfx
