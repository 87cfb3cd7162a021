// A full sync and an apply from the option application overlap on the
// simulated keyboard. The monitor's real jobs run on its real worker thread
// (so the TSan run sees every access to the settings block), and the worker
// reads a report of the keyboard just after the apply took its block and
// before the apply wrote that report: what it read is stale by then.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "device/device_sync.h"
#include "device/settings_files_sync_store.h"
#include "monitor/keyboard/deferred_sync_effects.h"
#include "monitor/settings_files_store.h"
#include "monitor/keyboard/sync_device_jobs.h"
#include "monitor/tests/monitor_fakes.h"
#include "monitor/timer_ids.h"
#include "settings/profile_file.h"
#include "settings/settings_files.h"
#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"
#include "sim/factory_profiles.h"
#include "sim/sim_binding.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

constexpr int kWrittenElsewhere = 12;  // Zonix key, set on another computer
constexpr int kEdited = 13;            // Zonix key the user edits
constexpr int kOnlyOnKeyboard = 48;    // media key, set on another computer
constexpr std::uint8_t kZonixReport = 0x09;

// Holds the worker inside its read of profile 1's Zonix layer until the
// apply has taken the option application's block (the apply's first step
// after the copy is the key repeat).
class ReadAfterTake final : public SystemKeyboardRepeat {
 public:
  void Apply(int, int) override {
    std::lock_guard lock(mutex_);
    ++applies_;
    changed_.notify_all();
  }

  // Worker thread, with the report the keyboard just answered.
  void OnRead(const unsigned char* report) {
    if (report[0] != kZonixReport || report[2] != 0) return;
    std::unique_lock lock(mutex_);
    if (!armed_) return;
    armed_ = false;
    reached_ = true;
    const int before = applies_;
    changed_.notify_all();
    changed_.wait_for(lock, std::chrono::seconds(5), [&] { return applies_ > before; });
  }

  void Arm() {
    std::lock_guard lock(mutex_);
    armed_ = true;
  }
  bool WaitUntilReached() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return reached_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool armed_ = false;
  bool reached_ = false;
  int applies_ = 0;
};

ReadAfterTake* hook = nullptr;
ZendrelApi simApi;

int HookedGetFeature(unsigned char* buffer, int length) {
  const int read = simApi.GetFeature(buffer, length);
  if (read != 0) hook->OnRead(buffer);
  return read;
}

class SimLoader final : public LibraryLoader {
 public:
  void* Load(const std::string&) override { return this; }
  LibraryEntry Find(void*, const char* name) override {
    if (std::strcmp(name, "GetFeature") == 0)
      return reinterpret_cast<LibraryEntry>(HookedGetFeature);
    return test::ExportedEntry(simApi, name);
  }
  void Free(void*) override {}
};

class SyncApplyOverlap : public ::testing::Test {
 protected:
  SyncApplyOverlap() {
    sim::ResetKeyboardState(*state);
    state->Profiles[0].KeyCodes[kWrittenElsewhere] = 0xC5;
    state->Profiles[0].KeyCodes[kOnlyOnKeyboard] = 0xB3;
    simApi = binding.api();
    hook = &repeat;
    monitorWindow =
        desktop.AddWindow(kMonitorWindowTitle,
                          [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
  }
  ~SyncApplyOverlap() override {
    monitor.Destroy();
    hook = nullptr;
  }

  // Runs the worker's jobs to the end, taking their results as the window
  // thread does on timer 503.
  bool Settle() {
    for (int waited = 0; waited < 10000; ++waited) {
      if (!monitor.worker().idle()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        continue;
      }
      if (!timers.Running(kTimerJobResults)) return true;
      monitor.OnJobResults();
    }
    return false;
  }

  // The option application applies `edited`: block to shared memory, all
  // files, then WM_APPLY_SETTINGS.
  void Apply(const SettingsBlock& edited) {
    test::FakeSharedMemory option(objects);
    ASSERT_EQ(OpenSharedSettings(option), SharedOpenResult::kMapped);
    ASSERT_TRUE(CopyToShared(option, edited));
    ASSERT_TRUE(SettingsFiles(folder.path(), SystemFileSystem(), NoRegistry()).WriteAll(edited));
    monitor.OnOptionCommand(WM_APPLY_SETTINGS, 0);
  }

  // Start-up, then the first sync, held inside its read of the Zonix layer.
  void StartSyncAndHoldIt() {
    MonitorStart start;
    start.programPath = folder.Join("BrelFXMonitor.exe");
    start.window = monitorWindow;
    ASSERT_TRUE(monitor.Create(start));  // no stamp stored: the sync reads everything
    repeat.Arm();
    monitor.OnFirstSyncTimer();
    ASSERT_TRUE(repeat.WaitUntilReached());
  }

  std::unique_ptr<SettingsBlock> Shared() {
    test::FakeSharedMemory reader(objects);
    auto block = std::make_unique<SettingsBlock>();
    EXPECT_EQ(OpenSharedSettings(reader), SharedOpenResult::kMapped);
    EXPECT_TRUE(CopyFromShared(reader, *block));
    return block;
  }

  std::unique_ptr<sim::SimKeyboardState> state = std::make_unique<sim::SimKeyboardState>();
  test::VirtualClock clock;
  sim::SimKeyboard keyboardModel{*state, clock, {}, 1};
  sim::SimKeyboardBinding binding{keyboardModel};
  ReadAfterTake repeat;
  SimLoader loader;

  test::TempFolder folder;
  test::EventLog log;
  test::FakeDesktop desktop;
  WindowId monitorWindow = 0;
  test::LoggingMessenger messenger{desktop, log};
  test::FakeSharedNamespace objects;
  test::FakeSharedMemory shared{objects};
  test::FakeTimers timers{log};
  test::FakeTray tray{log};
  test::FakeShell shell{log};
  test::FakeNamedMutex settingsMutex{log};
  test::FakeAnnouncements announcements{log};
  test::FakeKeys keys{log};
  test::FakePlayer player{log};
  SettingsFilesStore files{folder.path(), folder.Join("talk"), SystemFileSystem(), NoRegistry(),
                           0x0409};
  KeyboardLink keyboard{loader, clock};
  MonitorSettingsLink settings{shared, messenger};
  SettingsFilesSyncStore syncStore{files.files()};
  DeferredSyncEffects effects{syncStore};
  DeviceSync sync{keyboard.reports, effects, [] { return std::int64_t{1'700'000'000}; },
                  effects.notifications()};
  SyncDeviceJobs jobs{sync, effects, settings.local(), announcements};
  Monitor monitor{
      MonitorServices{messenger, timers, tray, shell, repeat, settingsMutex, files, clock},
      keyboard, settings, MonitorFeatureSet{jobs, announcements, keys, player}};
};

TEST_F(SyncApplyOverlap, TheApplyWinsOnTheKeyboardInTheFilesAndInTheSharedBlock) {
  StartSyncAndHoldIt();

  // The user sets one key to a function and puts the key written elsewhere
  // back to its standard function, the value the monitor's block still has.
  auto edited = Shared();
  KeyAssignment* keys0 = edited->Profiles[0].MacroKeyInfo;
  keys0[kEdited].FunctionCode = 0xC1;
  keys0[kWrittenElsewhere].FunctionCode = kFnStandard;
  edited->KeyChanged[0][kEdited] = 1;
  edited->KeyChanged[0][kWrittenElsewhere] = 1;
  Apply(*edited);
  ASSERT_TRUE(Settle());

  // 0x20: the device code of key 12's standard function.
  EXPECT_EQ(state->Profiles[0].KeyCodes[kWrittenElsewhere], 0x20);
  EXPECT_EQ(state->Profiles[0].KeyCodes[kEdited], 0xC1);

  ProfileRecord inFile{};
  ASSERT_TRUE(ReadProfileFile(SystemFileSystem(), files.files().ProfileFilePath(0), inFile));
  const auto shared = Shared();
  const ProfileRecord* const kept[] = {&monitor.settings().Profiles[0], &shared->Profiles[0],
                                       &inFile};
  for (const ProfileRecord* profile : kept) {
    EXPECT_EQ(profile->MacroKeyInfo[kEdited].FunctionCode, 0xC1);
    EXPECT_EQ(profile->MacroKeyInfo[kWrittenElsewhere].FunctionCode, kFnStandard);
    // What only the keyboard knew is read back all the same.
    EXPECT_EQ(profile->MacroKeyInfo[kOnlyOnKeyboard].FunctionCode, 0xB3);
  }
  // The stored stamp is the keyboard's: the next connection is in step, and
  // rightly so.
  SettingsStamp stored;
  ASSERT_TRUE(files.files().ReadSettingsStamp(stored));
  EXPECT_EQ(0, std::memcmp(stored.Bytes, state->SettingsStamp, sizeof(stored.Bytes)));
}

// The keyboard's profile key during the sync: the sync read the active
// profile before, the event is newer and stays; the rest of what the sync
// read is kept.
TEST_F(SyncApplyOverlap, AProfileSwitchedDuringASyncStays) {
  StartSyncAndHoldIt();
  monitor.OnDeviceEvent({0x0200, 3});  // also applies the key repeat: the worker goes on
  ASSERT_TRUE(Settle());
  const auto shared = Shared();
  for (const SettingsBlock* block :
       {&monitor.settings(), &static_cast<const SettingsBlock&>(*shared)}) {
    EXPECT_EQ(block->CurrentProfile, 2);
    EXPECT_EQ(block->Profiles[0].MacroKeyInfo[kOnlyOnKeyboard].FunctionCode, 0xB3);
    EXPECT_EQ(block->Profiles[0].MacroKeyInfo[kWrittenElsewhere].FunctionCode, 0xC5);
  }
}

}  // namespace
}  // namespace brelfx
