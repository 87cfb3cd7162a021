// Profile and brightness switched on the keyboard itself: the keyboard has
// changed already, the monitor follows in its settings, files, the shared
// block and the option application.
#include "monitor/current_profile.h"
#include "monitor/keyboard_repeat.h"
#include "monitor/monitor.h"
#include "monitor/timer_ids.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {
constexpr int kBrightnessLevels = 6;
}  // namespace

void Monitor::OnProfileChanged(int profileNumber) {
  if (profileNumber < 1 || profileNumber > kProfileCount) return;
  SettingsBlock& local = settings_.local();
  const ProfileRecord* previous = CurrentProfile(local);
  const bool announce = previous != nullptr && previous->SoundProfile == 1;

  local.CurrentProfile = profileNumber - 1;
  services_.files.WriteCurrentProfile(local.CurrentProfile);
  if (announce) features_.announcements.Announce(kTimerProfileSound);
  settings_.Publish();

  const ProfileRecord& profile = local.Profiles[local.CurrentProfile];
  services_.files.WriteKeyboardRepeat(profile);
  ApplyKeyboardRepeat(local, services_.keyboardRepeat);

  settings_.NotifyOption(WM_PROFILE_SWITCHED);
  NotifyDisplay(WM_PROFILE_SWITCHED);
  talk_.toggle = 0;
}

void Monitor::OnBrightnessChanged(int level) {
  SettingsBlock& local = settings_.local();
  const int index = local.CurrentProfile;
  if (level < 1 || level > kBrightnessLevels || index < 0 || index >= kProfileCount) return;
  local.Profiles[index].LtBrightness = level - 1;
  settings_.Publish();
  settings_.NotifyOption(WM_BRIGHTNESS_CHANGED);
  NotifyDisplay(WM_BRIGHTNESS_CHANGED);
}

}  // namespace brelfx
