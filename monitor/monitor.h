// The monitor behind its hidden window: start-up and shutdown in their
// fixed orders, the keyboard's events, and the state every handler shares.
// The window translates its messages into these calls; everything the
// monitor does to the system goes through the services.
#pragma once

#include <string>

#include "monitor/keyboard/device_event.h"
#include "monitor/keyboard/device_jobs.h"
#include "monitor/keyboard/device_state.h"
#include "monitor/keyboard/device_worker.h"
#include "monitor/keyboard/host_state_report.h"
#include "monitor/keyboard/keyboard_link.h"
#include "monitor/monitor_features.h"
#include "monitor/monitor_files.h"
#include "monitor/option_application.h"
#include "monitor/talk/talk_state.h"
#include "monitor/tray/tray_icon_state.h"
#include "platform/clock.h"
#include "platform/foreground_process.h"
#include "platform/named_mutex.h"
#include "platform/program_shell.h"
#include "platform/system_keyboard_repeat.h"
#include "platform/tray_icon.h"
#include "platform/window_messenger.h"
#include "platform/window_timers.h"
#include "settings/monitor_settings_link.h"

namespace brelfx {

// What the monitor does to the system, one adapter each.
struct MonitorServices {
  WindowMessenger& messenger;
  WindowTimers& timers;
  TrayIcon& tray;
  ProgramShell& shell;
  SystemKeyboardRepeat& keyboardRepeat;
  NamedMutex& settingsMutex;
  MonitorFiles& files;
  Clock& clock;
};

// The monitor's other features. The firmware check, the usage counters, the
// media keys and the foreground watch may be absent (null).
struct MonitorFeatureSet {
  DeviceJobs& jobs;
  Announcements& announcements;
  KeyEventSink& keys;
  MonitorThread& player;
  FirmwareCheck* firmware = nullptr;
  UsageCounters* counters = nullptr;
  // The media keys and the foreground-program watch; absent: nothing happens.
  MediaKeySink* media = nullptr;
  ForegroundProcess* foreground = nullptr;
};

struct MonitorStart {
  std::string programPath;       // full path of the running executable
  bool openOption = false;       // the command line began with "1"
  WindowId window = 0;           // the monitor's hidden window
  unsigned int talkMessage = 0;  // the registered "WM_TALK_MSG"
  int systemLanguageId = 0;
};

class Monitor {
 public:
  Monitor(MonitorServices services, KeyboardLink& keyboard, MonitorSettingsLink& settings,
          MonitorFeatureSet features);
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  // WM_CREATE. False refuses the window: another holder of the settings
  // mutex runs.
  bool Create(const MonitorStart& start);
  // WM_DESTROY, also after a refused creation.
  void Destroy();

  // WM_DEVICE_EVENT and WM_DEVICE_PLUG, decoded.
  void OnDeviceEvent(DeviceEvent event);
  // Timer 502: the first full sync after start-up.
  void OnFirstSyncTimer();
  // Timer 500 while the keyboard is open: the profile of the game in the
  // foreground, or the Windows profile.
  void OnForegroundWatch();
  // Timer 503, started by the worker thread: takes what finished jobs read
  // from the keyboard into the settings, the files and the shared block.
  void OnJobResults();
  // WM_APPLY_SETTINGS and the other messages of the option application
  // (WM_INFODATA_CHANGED, 1226, 1227, 1231, 1232, 1274).
  void OnOptionCommand(unsigned int message, std::uintptr_t wParam);
  // ID_CONFIGURATION.
  void OpenOptionApplication() { option_.Open(); }
  // The Talk link, made once the monitor's Talk state and tray icon exist;
  // without one, nothing is told to a hub.
  void SetTalk(TalkEvents* talk) { talkLink_ = talk; }

  const SettingsBlock& settings() const { return settings_.local(); }
  int deviceState() const { return deviceState_.load(); }
  TalkState& talk() { return talk_; }
  TrayIconState& tray() { return tray_; }
  DeviceWorker& worker() { return worker_; }
  const std::string& programFolder() const { return programFolder_; }

 private:
  // Start-up.
  bool OpenKeyboard(const MonitorStart& start);
  // Plug events.
  void OnArrival();
  void OnRemoval();
  // Keyboard events that change the settings.
  void OnProfileChanged(int profileNumber);
  void OnBrightnessChanged(int level);
  void QuickLaunch(int keyIndex);
  // The automatic switch; CurrentProfile is not stored in config.ini.
  void SwitchProfile(int target);
  // Apply from the option application.
  void Apply(bool restoreDefaults);
  void PassDisplayValuesToOsd();
  // The on-screen display shows profile and brightness changes.
  void NotifyDisplay(unsigned int message);
  void CloseDisplay();
  void KeepJobSettings(const DeviceWorker::Result& result);

  void SendTalkStatus(bool connected);
  void PostToSelf(unsigned int message, std::uintptr_t wParam);

  MonitorServices services_;
  KeyboardLink& keyboard_;
  MonitorSettingsLink& settings_;
  MonitorFeatureSet features_;

  DeviceState deviceState_{kDeviceNotOpened};
  TalkState talk_;
  TrayIconState tray_;
  OptionApplication option_;
  HostStateReport hostState_;
  DeviceWorker worker_;
  std::string programFolder_;
  TalkEvents* talkLink_ = nullptr;
  WindowId window_ = 0;
  bool running_ = false;  // creation went past the settings mutex
};

}  // namespace brelfx
