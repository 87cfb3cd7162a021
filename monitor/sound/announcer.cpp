#include "monitor/sound/announcer.h"

#include "monitor/sound/sound_table.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {

constexpr int kAnnouncementTimers[] = {
    kTimerProfileSound,         kTimerWindowsProfileSound, kTimerRecordSelectKey,
    kTimerRecordEnterMacro,     kTimerRecordSucceeded,     kTimerRecordAborted,
    kTimerRecordKeyUnavailable, kTimerTrophySound,
};

bool IsAnnouncementTimer(int timerId) {
  return timerId >= kTimerProfileSound && timerId <= kTimerRecordKeyUnavailable;
}

// Sound of an announcement timer when it fires; the profile announcement
// names the profile that is current by then.
int SoundOfTimer(int timerId, const SettingsBlock& settings) {
  switch (timerId) {
    case kTimerProfileSound:
      return kSoundProfileOne + settings.CurrentProfile;
    case kTimerWindowsProfileSound:
      return kSoundWindowsProfile;
    default:
      return kSoundRecordSelectKey + (timerId - kTimerRecordSelectKey);
  }
}

}  // namespace

Announcer::Announcer(const SettingsBlock& settings, WindowTimers& timers, SoundPlayer& sounds,
                     const Countdown& countdown)
    : settings_(settings), timers_(timers), sounds_(sounds), countdown_(countdown) {}

void Announcer::Announce(int timerId) {
  if (countdown_.FinalPhase() || TrophySoundPlaying()) return;
  CancelAnnouncements();
  timers_.StartTimer(timerId, kAnnouncementDelayMs);
}

void Announcer::CancelAnnouncements() {
  for (int id : kAnnouncementTimers) timers_.StopTimer(id);
  trophySound_ = 0;
}

void Announcer::PlayTrophySound(int soundCode) {
  if (countdown_.FinalPhase()) return;
  CancelAnnouncements();
  timers_.StartTimer(kTimerTrophySound, kTrophySoundMs);
  sounds_.Play(soundCode);
  trophySound_ = 1;
}

bool Announcer::OnTimer(int timerId) {
  if (timerId == kTimerTrophySound) {
    timers_.StopTimer(timerId);
    trophySound_ = 0;
    return true;
  }
  if (!IsAnnouncementTimer(timerId)) return false;
  timers_.StopTimer(timerId);
  sounds_.Play(SoundOfTimer(timerId, settings_));
  return true;
}

}  // namespace brelfx
