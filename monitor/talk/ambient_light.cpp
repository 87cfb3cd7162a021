#include "monitor/talk/ambient_light.h"

#include <cstring>

#include "device/keyboard_reports.h"
#include "monitor/timer_ids.h"

namespace brelfx {

bool AmbientLight::TakeRecord(std::span<const std::uint8_t> payload) {
  if (payload.size() != sizeof(record_)) return false;
  std::memcpy(&record_, payload.data(), sizeof(record_));
  return true;
}

void AmbientLight::Show() {
  SendAmbientLight(reports_, record_);
  timers_.StopTimer(kTimerAmbientLight);
  timers_.StartTimer(kTimerAmbientLight, durationMs_);
}

void AmbientLight::End() {
  // One-shot: a timer left running would switch the light off again and again.
  timers_.StopTimer(kTimerAmbientLight);
  SendAmbientLightOff(reports_);
}

}  // namespace brelfx
