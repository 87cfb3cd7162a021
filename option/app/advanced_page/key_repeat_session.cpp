#include "option/app/advanced_page/key_repeat_session.h"

#include "settings/keyboard_repeat_range.h"

namespace brelfx {

KeyRepeatSession::KeyRepeatSession(ProfileRecord& profile, SystemKeyboardRepeat& system)
    : profile_(profile),
      system_(system),
      rememberedDelay_(profile.KBDelay),
      rememberedRate_(profile.KBSpeed) {
  if (!system_.Read(systemDelay_, systemRate_) || !IsWindowsKeyboardDelay(systemDelay_) ||
      !IsWindowsKeyboardSpeed(systemRate_)) {
    systemDelay_ = systemRate_ = -1;
  }
  ApplyToSystem();
}

KeyRepeatSession::~KeyRepeatSession() {
  Restore();
}

int KeyRepeatSession::DelaySliderPosition() const {
  const int delay = IsWindowsKeyboardDelay(profile_.KBDelay) ? profile_.KBDelay : systemDelay_;
  return IsWindowsKeyboardDelay(delay) ? kHighestKeyboardDelay - delay : 0;
}

int KeyRepeatSession::RateSliderPosition() const {
  const int rate = IsWindowsKeyboardSpeed(profile_.KBSpeed) ? profile_.KBSpeed : systemRate_;
  return IsWindowsKeyboardSpeed(rate) ? rate : 0;
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
  // The slider the user did not touch shows Windows' value: it is the one chosen.
  if (!IsWindowsKeyboardDelay(profile_.KBDelay)) profile_.KBDelay = systemDelay_;
  if (!IsWindowsKeyboardSpeed(profile_.KBSpeed)) profile_.KBSpeed = systemRate_;
  ApplyToSystem();
}

void KeyRepeatSession::Restore() {
  if (ended_) return;
  ended_ = true;
  profile_.KBDelay = rememberedDelay_;
  profile_.KBSpeed = rememberedRate_;
  if (ProfileHasRepeat()) {
    ApplyToSystem();
  } else if (changedSystem_ && systemDelay_ >= 0) {
    system_.Apply(systemDelay_, systemRate_);
  }
}

bool KeyRepeatSession::ProfileHasRepeat() const {
  return IsWindowsKeyboardDelay(profile_.KBDelay) && IsWindowsKeyboardSpeed(profile_.KBSpeed);
}

void KeyRepeatSession::ApplyToSystem() {
  // A profile without repeat values (-1) leaves the user's repeat alone.
  if (!ProfileHasRepeat()) return;
  system_.Apply(profile_.KBDelay, profile_.KBSpeed);
  changedSystem_ = true;
}

}  // namespace brelfx
