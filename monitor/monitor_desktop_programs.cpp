// Keyboard functions that act on other programs: quick-launch keys and the
// watch that switches to the profile of the game in the foreground.
#include "monitor/current_profile.h"
#include "monitor/desktop/game_profiles.h"
#include "monitor/keyboard_repeat.h"
#include "monitor/monitor.h"
#include "monitor/monitor_messages.h"
#include "monitor/timer_ids.h"
#include "settings/shared_catalogue.h"
#include "settings/text_field.h"

namespace brelfx {

void Monitor::QuickLaunch(int keyIndex) {
  const ProfileRecord* profile = CurrentProfile(settings_.local());
  if (profile == nullptr || keyIndex < 0 || keyIndex >= kKeyCount) return;
  const KeyAssignment& key = profile->MacroKeyInfo[keyIndex];
  if (key.FunctionCode != kFnQuickLaunch) return;
  // The shell would open the current folder for an empty path.
  const std::string path = TextField(key.LaunchPath);
  if (!path.empty()) services_.shell.Open(path, "");
}

void Monitor::OnForegroundWatch() {
  if (features_.foreground == nullptr) return;
  SettingsBlock& local = settings_.local();
  const std::optional<std::string> name = ForegroundExecutableName(*features_.foreground);
  int target = name ? GameProfileFor(local, *name) : -1;
  int announcement = kTimerProfileSound;
  if (target < 0) {
    // No game: the Windows profile, unless the user is editing the profiles.
    if (local.WindowsProfile == -1 || services_.messenger.FindByTitle(kOptionWindowTitle) != 0)
      return;
    target = local.WindowsProfile;
    announcement = kTimerWindowsProfileSound;
  }
  if (target == local.CurrentProfile || target < 0 || target >= kProfileCount) return;

  const ProfileRecord* previous = CurrentProfile(local);
  const bool announce = previous != nullptr && previous->SoundProfile == 1;
  SwitchProfile(target);
  if (announce) features_.announcements.Announce(announcement);
}

void Monitor::SwitchProfile(int target) {
  talk_.toggle = 0;
  SettingsBlock& local = settings_.local();
  local.CurrentProfile = target;
  settings_.Publish();
  worker_.Post(kJobSwitchProfile, 0);
  services_.files.WriteKeyboardRepeat(local.Profiles[target]);
  ApplyKeyboardRepeat(local, services_.keyboardRepeat);
  settings_.NotifyOption(WM_PROFILE_SWITCHED);
  NotifyDisplay(WM_PROFILE_SWITCHED);
}

}  // namespace brelfx
