// Fakes of the monitor's services and features that write what they are
// asked into one ordered log, and a rig that builds a Monitor over them with
// the scripted zendrel, a virtual clock and fake shared memory.
#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "monitor/monitor.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_foreground_process.h"
#include "tests/support/fake_shared_memory.h"
#include "tests/support/fake_zendrel.h"
#include "tests/support/virtual_clock.h"

namespace brelfx::test {

// One log for every fake, safe to write from the worker thread.
class EventLog {
 public:
  void Add(const std::string& entry);
  std::vector<std::string> entries() const;
  // Entries starting with the prefix.
  std::vector<std::string> Matching(const std::string& prefix) const;
  int Count(const std::string& entry) const;
  // Waits (real time, up to two seconds) until the entry has been logged.
  bool WaitFor(const std::string& entry);

 private:
  mutable std::mutex mutex_;
  std::condition_variable added_;
  std::vector<std::string> entries_;
};

// A loader that hands out the fake zendrel's entry points, or finds no
// library at all.
class FakeZendrelLoader final : public LibraryLoader {
 public:
  void* Load(const std::string& path) override;
  LibraryEntry Find(void* library, const char* name) override;
  void Free(void*) override {
    if (onFree) onFree();
  }

  bool present = true;
  std::function<void()> onFree;
  std::string loadedPath;

 private:
  int library_ = 0;
};

// Posts are logged as "post <window name> <message> <wParam>"; windows are
// named by the rig.
class LoggingMessenger final : public WindowMessenger {
 public:
  LoggingMessenger(FakeDesktop& desktop, EventLog& log) : desktop_(desktop), log_(log) {}
  void Name(WindowId window, std::string name) { names_[window] = std::move(name); }

  WindowId FindByTitle(const char* title) override { return desktop_.FindByTitle(title); }
  std::intptr_t Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool Post(WindowId window, unsigned int message, std::uintptr_t wParam,
            std::intptr_t lParam) override;

 private:
  FakeDesktop& desktop_;
  EventLog& log_;
  std::map<WindowId, std::string> names_;
};

// Safe to call from any thread, as the window's timers are.
struct FakeTimers final : WindowTimers {
  explicit FakeTimers(EventLog& log) : log(log) {}
  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;
  bool Running(int id) const;
  bool NoneRunning() const;
  EventLog& log;

 private:
  mutable std::mutex mutex_;
  std::map<int, int> running_;
};

struct FakeTray final : TrayIcon {
  explicit FakeTray(EventLog& log) : log(log) {}
  bool Add() override;
  bool Remove() override;
  bool SetTip(const std::string& tip) override;
  EventLog& log;
  bool visible = false;
};

struct FakeShell final : ProgramShell {
  explicit FakeShell(EventLog& log) : log(log) {}
  bool Open(const std::string& path, const std::string& parameters) override;
  bool BringToFront(WindowId window) override;
  bool Run(const std::string& commandLine) override;
  EventLog& log;
  bool opens = true;  // false: every program is missing
};

struct FakeKeyboardRepeat final : SystemKeyboardRepeat {
  explicit FakeKeyboardRepeat(EventLog& log) : log(log) {}
  void Apply(int delay, int speed) override;
  EventLog& log;
};

struct FakeNamedMutex final : NamedMutex {
  explicit FakeNamedMutex(EventLog& log) : log(log) {}
  MutexCreation Create(const char* name) override;
  void Close() override;
  EventLog& log;
  bool existsAlready = false;
};

struct FakeFiles final : MonitorFiles {
  explicit FakeFiles(EventLog& log);
  void RegisterWithTalk() override;
  void LoadSettings(SettingsBlock& block) override;
  OSDSetting ReadOsdSetting() override { return osd; }
  void WriteCurrentProfile(int index) override;
  void WriteDevice(int present) override;
  void SaveProfiles(const SettingsBlock& block) override;
  void WriteKeyboardRepeat(const ProfileRecord& profile) override;
  EventLog& log;
  std::unique_ptr<SettingsBlock> stored;  // what LoadSettings reads
  int device = -1;                        // last Device written
  OSDSetting osd{};
};

// Device jobs that log on the worker thread. A sync can be made to last until
// cancelled, pausing through the transaction layer's cancellable wait.
struct FakeJobs final : DeviceJobs {
  FakeJobs(EventLog& log, const std::atomic<int>& cancel, Clock& clock = SystemClock())
      : log(log), cancel(cancel), clock(clock) {}
  void CheckStamp() override;
  bool SendChanges() override;
  bool RestoreDefaults() override;
  JobOutcome FullDeviceSync(SettingsBlock& settings) override;
  void SwitchProfile(const SettingsBlock& settings) override;
  JobOutcome LiveRecordingNotification(SettingsBlock& settings, std::uint16_t value) override;
  EventLog& log;
  const std::atomic<int>& cancel;
  Clock& clock;  // of the sync's pauses
  std::atomic<bool> syncLastsUntilCancelled{false};
};

struct FakeAnnouncements final : Announcements {
  explicit FakeAnnouncements(EventLog& log) : log(log) {}
  void Announce(int timerId) override;
  EventLog& log;
};

struct FakeKeys final : KeyEventSink {
  explicit FakeKeys(EventLog& log) : log(log) {}
  void OnKeyEvent(std::uint16_t value) override;
  void ReleaseHeldKeys() override;
  EventLog& log;
};

struct FakePlayer final : MonitorThread {
  explicit FakePlayer(EventLog& log) : log(log) {}
  bool Start() override;
  bool Stop(int timeoutMs) override;
  EventLog& log;
};

struct FakeFirmwareCheck final : FirmwareCheck {
  explicit FakeFirmwareCheck(EventLog& log) : log(log) {}
  bool StartUpgradeIfNeeded() override;
  EventLog& log;
  bool upgrade = false;
};

// A monitor over fakes, its own and the option application's windows on a
// fake desktop. The real worker thread runs its jobs.
class MonitorRig {
 public:
  MonitorRig();
  ~MonitorRig();

  // WM_CREATE with the keyboard plugged in unless said otherwise.
  bool Create(bool openOption = false);
  void Destroy();
  void Plug(std::uintptr_t wParam) { monitor->OnDeviceEvent(DecodePlugMessage(wParam)); }
  void Event(std::uint16_t type, std::uint16_t value) { monitor->OnDeviceEvent({type, value}); }
  // Waits until every job posted so far has run (or was skipped).
  bool DrainWorker();
  // The block the option application would read from the shared section.
  std::unique_ptr<SettingsBlock> SharedBlock();
  void AddOptionWindow();

  EventLog log;
  FakeZendrel zendrel;
  FakeZendrelLoader loader;
  VirtualClock clock;
  FakeDesktop desktop;
  LoggingMessenger messenger{desktop, log};
  FakeSharedNamespace objects;
  FakeSharedMemory shared{objects};
  FakeTimers timers{log};
  FakeTray tray{log};
  FakeShell shell{log};
  FakeKeyboardRepeat repeat{log};
  FakeNamedMutex settingsMutex{log};
  FakeFiles files{log};
  FakeAnnouncements announcements{log};
  FakeKeys keys{log};
  FakePlayer player{log};
  FakeFirmwareCheck firmware{log};
  FakeForegroundProcess foreground;
  KeyboardLink keyboard{loader, clock};
  MonitorSettingsLink settings{shared, messenger};
  FakeJobs jobs{log, keyboard.workerFlags.cancel()};
  WindowId monitorWindow = 0;
  WindowId optionWindow = 0;
  std::unique_ptr<Monitor> monitor;
  bool created = false;
  bool destroyed = false;
};

}  // namespace brelfx::test
