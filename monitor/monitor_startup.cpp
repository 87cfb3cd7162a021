// Window creation: the order matters to the other programs. The shared block
// is published before anyone is told the monitor runs, and the keyboard is
// opened only once both threads wait for work.
#include "device/zendrel_calls.h"
#include "monitor/keyboard_repeat.h"
#include "monitor/monitor.h"
#include "monitor/monitor_messages.h"
#include "monitor/program_folder.h"
#include "monitor/timer_ids.h"
#include "settings/block_defaults.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

bool Monitor::Create(const MonitorStart& start) {
  window_ = start.window;
  services_.files.RegisterWithTalk();

  programFolder_ = ProgramFolderOf(start.programPath);
  option_.SetProgramFolder(programFolder_);

  keyboard_.binding.Bind(start.programPath);

  SettingsBlock& local = settings_.local();
  services_.files.LoadSettings(local);
  if (local.QuickHelpLan == -1)
    local.QuickHelpLan = QuickHelpLanFromLanguageId(start.systemLanguageId);

  if (services_.settingsMutex.Create(kSettingsMutexName) == MutexCreation::kExisted) return false;
  running_ = true;

  if (settings_.CreateShared() == SharedOpenResult::kMapped) settings_.Publish();

  services_.messenger.Post(kBroadcastWindow, start.talkMessage, kTalkMonitorStarted, start.window);

  features_.player.Start();
  worker_.Start();

  const bool connected = OpenKeyboard(start);
  deviceState_ = connected ? kDeviceConnected : kDeviceNotOpened;
  SendTalkStatus(connected);
  services_.files.WriteDevice(connected ? 1 : 0);

  ApplyKeyboardRepeat(local, services_.keyboardRepeat);
  // The on-screen display program is optional: a failed start is ignored.
  services_.shell.Open(programFolder_ + kOsdProgram, "");
  if (talkLink_) talkLink_->Start();
  return true;
}

// True when the keyboard is open and its first sync is on its way.
bool Monitor::OpenKeyboard(const MonitorStart& start) {
  const ZendrelApi& api = keyboard_.binding.api();
  // The event channel stays open for the monitor's whole life, with or
  // without a keyboard: it reports the keyboard's arrival.
  OpenDevMonitor(api, reinterpret_cast<void*>(start.window), WM_DEVICE_EVENT, WM_DEVICE_PLUG);
  if (OpenFeatureDevice(api) == 0) return false;
  services_.timers.StartTimer(kTimerForegroundWatch, kForegroundWatchMs);

  if (features_.firmware && features_.firmware->StartUpgradeIfNeeded()) {
    PostToSelf(kWmClose, 0);
    return false;
  }
  features_.jobs.CheckStamp();
  services_.timers.StartTimer(kTimerFirstSync, kFirstSyncDelayMs);
  deviceState_ = kDeviceConnected;
  tray_.Update();
  if (start.openOption) option_.Open();
  return true;
}

}  // namespace brelfx
