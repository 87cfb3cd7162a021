#include "monitor/win32/monitor_program.h"

#include <shlobj.h>

#include <cstdlib>

#include "device/device_sync.h"
#include "device/settings_files_sync_store.h"
#include "device/settings_stamp.h"
#include "device/win32/win32_library_loader.h"
#include "monitor/achievements/achievements.h"
#include "monitor/sound/announcer.h"
#include "monitor/desktop/media_keys.h"
#include "monitor/keyboard/apply_progress.h"
#include "monitor/keyboard/deferred_sync_effects.h"
#include "monitor/keyboard/firmware_launcher.h"
#include "monitor/keyboard/sync_device_jobs.h"
#include "monitor/monitor_messages.h"
#include "monitor/playback/key_functions.h"
#include "monitor/playback/key_sender.h"
#include "monitor/playback/macro_player.h"
#include "monitor/playback/player_thread.h"
#include "monitor/playback/shortcut_keys.h"
#include "monitor/program_folder.h"
#include "monitor/settings_files_store.h"
#include "monitor/sound/announcer.h"
#include "monitor/sound/countdown.h"
#include "monitor/sound/wave_file_player.h"
#include "monitor/talk/talk_link.h"
#include "monitor/talk/talk_registration.h"
#include "monitor/timer_ids.h"
#include "monitor/tray/tray_icon_thread.h"
#include "monitor/win32/window_thread_timers.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/copy_data_sender.h"
#include "platform/win32/current_keyboard_layout.h"
#include "platform/win32/desktop_windows.h"
#include "platform/win32/high_resolution_clock.h"
#include "platform/win32/locked_sound_output.h"
#include "platform/win32/named_mutex.h"
#include "platform/win32/shared_memory.h"
#include "platform/win32/system_input.h"
#include "platform/win32/system_keyboard_repeat.h"
#include "platform/win32/system_registry.h"
#include "platform/win32/toolhelp_foreground_process.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/window_messenger.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

// Test hook: BRELFX_AMBIENT_LIGHT_MS shortens an ambient-light effect so an
// end-to-end test sees it end.
int AmbientLightMs() {
  char text[16] = "";
  const DWORD length = GetEnvironmentVariableA("BRELFX_AMBIENT_LIGHT_MS", text, sizeof(text));
  const int ms = length > 0 && length < sizeof(text) ? std::atoi(text) : 0;
  return ms > 0 ? ms : kAmbientLightMs;
}

std::string CommonAppDataFolder() {
  char path[MAX_PATH] = "";
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, path))) return {};
  return path;
}

class AnnouncerAnnouncements final : public Announcements {
 public:
  explicit AnnouncerAnnouncements(Announcer& announcer) : announcer_(announcer) {}
  void Announce(int timerId) override { announcer_.Announce(timerId); }

 private:
  Announcer& announcer_;
};

class ConfigInfoDataStore final : public InfoDataStore {
 public:
  explicit ConfigInfoDataStore(SettingsFiles& files) : files_(files) {}
  bool WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) override {
    return files_.WriteInfoData(infoData);
  }

 private:
  SettingsFiles& files_;
};

// The player thread and the key functions that hand it macros: both exist
// from the thread's start at window creation to its end at destruction.
class Playback final : public MonitorThread, public KeyEventSink {
 public:
  Playback(const SettingsBlock& settings, ShortcutKeys& shortcuts, Countdown& countdown,
           MacroPlayer& player)
      : settings_(settings), shortcuts_(shortcuts), countdown_(countdown), player_(player) {}

  bool Start() override {
    thread_ = std::make_unique<PlayerThread>(player_);
    keys_ = std::make_unique<KeyFunctions>(settings_, shortcuts_, countdown_, *thread_);
    return true;
  }
  // The player cuts its waits short and releases what the macro holds, so
  // its thread ends at once.
  bool Stop(int) override {
    keys_.reset();
    thread_.reset();
    return true;
  }
  void OnKeyEvent(std::uint16_t value) override {
    if (keys_) keys_->OnKeyEvent(value);
  }
  void ReleaseHeldKeys() override { shortcuts_.ReleaseHeld(); }

 private:
  const SettingsBlock& settings_;
  ShortcutKeys& shortcuts_;
  Countdown& countdown_;
  MacroPlayer& player_;
  std::unique_ptr<PlayerThread> thread_;
  std::unique_ptr<KeyFunctions> keys_;
};

// The small icon of the program, destroyed with the tray icon.
struct ProgramIcon {
  HICON icon = SmallIconOfProgram();
  ~ProgramIcon() {
    if (icon) DestroyIcon(icon);
  }
};

}  // namespace

struct MonitorProgram::Parts {
  Parts(HWND window, const std::string& programPath)
      : folder(ProgramFolderOf(programPath)),
        timers(window),
        tray(window, kTrayIconId, WM_TRAY_NOTIFY, icon.icon, kTrayTip),
        trayThread(tray),
        files(folder, TalkConfigFolder(CommonAppDataFolder()), SystemFileSystem(), SystemRegistry(),
              GetSystemDefaultLangID()),
        keyboard(loader, SystemClock()),
        settings(shared, messenger),
        sounds(settings.local(), soundOutput, WaveFolderOf(folder)),
        countdown(timers, sounds),
        announcer(settings.local(), timers, sounds, countdown),
        announcements(announcer),
        infoDataStore(files.files()),
        achievements(settings, infoDataStore, announcer),
        syncStore(files.files()),
        syncEffects(syncStore),
        applyProgress(messenger),
        syncTip(trayThread),
        sync(keyboard.reports, syncEffects, SystemSecondsSince1970, syncEffects.notifications(),
             SyncProgressObservers{
                 [this](int done, int planned) { applyProgress.Report(done, planned); },
                 [this](int done, int planned) { syncTip.Show(done, planned); }}),
        jobs(sync, syncEffects, settings.local(), announcements, &syncTip),
        firmware(
            keyboard.reports, [this](int version) { syncStore.WriteFWVersion(version); },
            SystemFileSystem(), shell, folder),
        keySender(SystemInput(), CurrentKeyboardLayout()),
        macroPlayer(keySender, playerClock),
        shortcuts(keySender, windowClock, timers),
        playback(settings.local(), shortcuts, countdown, macroPlayer),
        mediaKeys(settings.local(),
                  MediaKeyServices{messenger, desktop, shell, SystemRegistry(), windowClock},
                  reinterpret_cast<WindowId>(window)),
        monitor(MonitorServices{messenger, timers, trayThread, shell, keyboardRepeat, settingsMutex,
                                files, windowClock},
                keyboard, settings,
                MonitorFeatureSet{jobs, announcements, playback, playback, &firmware,
                                  &achievements, &mediaKeys, &foreground}),
        deviceList(files.files()),
        talk(TalkServices{messenger, hubSender, timers, deviceList, ansi},
             TalkMonitorParts{monitor.talk(), monitor.tray(), keyboard.reports,
                              settings.local(), reinterpret_cast<WindowId>(window)},
             AmbientLightMs()) {
    monitor.SetTalk(&talk);
  }

  std::string folder;
  Win32WindowMessenger messenger;
  WindowThreadTimers timers;
  ProgramIcon icon;
  Win32TrayIcon tray;
  TrayIconThread trayThread;  // what the monitor changes the icon through
  Win32ProgramShell shell;
  Win32SystemKeyboardRepeat keyboardRepeat;
  Win32NamedMutex settingsMutex;
  SettingsFilesStore files;
  // A high-resolution clock serves one thread only; the keyboard link,
  // used by the window and worker threads, sleeps on the system clock.
  HighResolutionClock windowClock;
  HighResolutionClock playerClock;
  Win32LibraryLoader loader;
  Win32SharedMemory shared;
  KeyboardLink keyboard;
  MonitorSettingsLink settings;

  LockedSoundOutput soundOutput;
  WaveFilePlayer sounds;
  Countdown countdown;
  Announcer announcer;
  AnnouncerAnnouncements announcements;
  ConfigInfoDataStore infoDataStore;
  Achievements achievements;

  SettingsFilesSyncStore syncStore;
  DeferredSyncEffects syncEffects;
  ApplyProgress applyProgress;  // Send changes runs on the window thread
  SyncTrayTip syncTip;          // Full device sync runs on the worker
  DeviceSync sync;
  SyncDeviceJobs jobs;
  FirmwareLauncher firmware;

  KeySender keySender;
  MacroPlayer macroPlayer;
  ShortcutKeys shortcuts;
  Playback playback;

  Win32DesktopWindows desktop;
  MediaKeys mediaKeys;
  ToolhelpForegroundProcess foreground;

  Monitor monitor;

  Win32CopyDataSender hubSender;
  Win32AnsiText ansi;
  DeviceInfoFile deviceList;
  TalkLink talk;
};

MonitorProgram::MonitorProgram(HWND window, const std::string& programPath)
    : parts_(std::make_unique<Parts>(window, programPath)) {}

MonitorProgram::~MonitorProgram() = default;

Monitor& MonitorProgram::monitor() {
  return parts_->monitor;
}

ProgramShell& MonitorProgram::shell() {
  return parts_->shell;
}

WindowThreadTimers& MonitorProgram::timers() {
  return parts_->timers;
}

TalkLink& MonitorProgram::talk() {
  return parts_->talk;
}

bool MonitorProgram::OnTimer(int id) {
  switch (id) {
    case kTimerShortcutRepeat:
      parts_->shortcuts.OnRepeatTimer();
      return true;
    case kTimerForegroundWatch:
      parts_->monitor.OnForegroundWatch();
      return true;
    case kTimerFirstSync:
      parts_->monitor.OnFirstSyncTimer();
      return true;
    case kTimerJobResults:
      parts_->monitor.OnJobResults();
      return true;
    case kTimerCountdown:
      parts_->countdown.Step();
      return true;
    default:
      return parts_->talk.OnTimer(id) || parts_->announcer.OnTimer(id);
  }
}

}  // namespace brelfx
