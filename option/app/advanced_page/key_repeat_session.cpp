#include "option/app/advanced_page/key_repeat_session.h"

#include "settings/keyboard_repeat_range.h"

namespace brelfx {

KeyRepeatSession::KeyRepeatSession(ProfileRecord& profile, SystemKeyboardRepeat& system)
    : profile_(profile),
      system_(system),
      rememberedDelay_(profile.KBDelay),
      rememberedRate_(profile.KBSpeed) {
  ApplyToSystem();
}

KeyRepeatSession::~KeyRepeatSession() {
  Restore();
}

int KeyRepeatSession::DelaySliderPosition() const {
  return kHighestKeyboardDelay - profile_.KBDelay;
}

int KeyRepeatSession::RateSliderPosition() const {
  return profile_.KBSpeed;
}

void KeyRepeatSession::OnSlider(int sliderId, int position) {
  if (sliderId == kRepeatDelaySliderId) {
    const int delay = kHighestKeyboardDelay - position;
    if (delay == profile_.KBDelay) return;
    profile_.KBDelay = delay;
  } else if (sliderId == kRepeatRateSliderId) {
    if (position == profile_.KBSpeed) return;
    profile_.KBSpeed = position;
  } else {
    return;
  }
  ApplyToSystem();
}

void KeyRepeatSession::Restore() {
  if (ended_) return;
  ended_ = true;
  profile_.KBDelay = rememberedDelay_;
  profile_.KBSpeed = rememberedRate_;
  ApplyToSystem();
}

void KeyRepeatSession::ApplyToSystem() {
  // A profile without repeat values (-1) leaves the user's repeat alone.
  if (IsWindowsKeyboardDelay(profile_.KBDelay) && IsWindowsKeyboardSpeed(profile_.KBSpeed))
    system_.Apply(profile_.KBDelay, profile_.KBSpeed);
}

}  // namespace brelfx
