#include "monitor/tests/monitor_fakes.h"

#include <chrono>
#include <cstring>

#include "device/pause.h"
#include "monitor/monitor_messages.h"
#include "settings/block_defaults.h"
#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"

namespace brelfx::test {

void EventLog::Add(const std::string& entry) {
  {
    std::lock_guard lock(mutex_);
    entries_.push_back(entry);
  }
  added_.notify_all();
}

std::vector<std::string> EventLog::entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

std::vector<std::string> EventLog::Matching(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& entry : entries())
    if (entry.rfind(prefix, 0) == 0) found.push_back(entry);
  return found;
}

int EventLog::Count(const std::string& entry) const {
  int count = 0;
  for (const std::string& e : entries()) count += e == entry;
  return count;
}

bool EventLog::WaitFor(const std::string& entry) {
  std::unique_lock lock(mutex_);
  return added_.wait_for(lock, std::chrono::seconds(2), [&] {
    for (const std::string& e : entries_)
      if (e == entry) return true;
    return false;
  });
}

void* FakeZendrelLoader::Load(const std::string& path) {
  loadedPath = path;
  return present ? &library_ : nullptr;
}

LibraryEntry FakeZendrelLoader::Find(void*, const char* name) {
  return FakeZendrel::Export(name);
}

std::intptr_t LoggingMessenger::Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  log_.Add("send " + names_[window] + " " + std::to_string(message));
  return desktop_.Send(window, message, wParam, lParam);
}

bool LoggingMessenger::Post(WindowId window, unsigned int message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
  const std::string name = window == kBroadcastWindow ? "broadcast" : names_[window];
  log_.Add("post " + name + " " + std::to_string(message) + " " + std::to_string(wParam));
  return window == kBroadcastWindow || desktop_.Post(window, message, wParam, lParam);
}

void FakeTimers::StartTimer(int id, int intervalMs) {
  std::lock_guard lock(mutex_);
  running_[id] = intervalMs;
  log.Add("timer " + std::to_string(id) + " " + std::to_string(intervalMs));
}

void FakeTimers::StopTimer(int id) {
  std::lock_guard lock(mutex_);
  if (running_.erase(id)) log.Add("kill timer " + std::to_string(id));
}

bool FakeTimers::NoneRunning() const {
  std::lock_guard lock(mutex_);
  return running_.empty();
}

bool FakeTimers::Running(int id) const {
  std::lock_guard lock(mutex_);
  return running_.count(id) != 0;
}

bool FakeTray::Add() {
  visible = true;
  log.Add("tray add");
  return true;
}

bool FakeTray::Remove() {
  visible = false;
  log.Add("tray remove");
  return true;
}

bool FakeTray::SetTip(const std::string& tip) {
  log.Add("tray tip " + tip);
  return true;
}

bool FakeShell::Open(const std::string& path, const std::string& parameters) {
  log.Add("open " + path + (parameters.empty() ? "" : " " + parameters));
  return opens;
}

bool FakeShell::BringToFront(WindowId) {
  log.Add("bring option window to front");
  return true;
}

bool FakeShell::Run(const std::string& commandLine) {
  log.Add("run " + commandLine);
  return opens;
}

void FakeKeyboardRepeat::Apply(int delay, int speed) {
  log.Add("repeat " + std::to_string(delay) + " " + std::to_string(speed));
}

MutexCreation FakeNamedMutex::Create(const char* name) {
  log.Add(std::string("mutex ") + name);
  return existsAlready ? MutexCreation::kExisted : MutexCreation::kCreated;
}

void FakeNamedMutex::Close() {
  log.Add("close mutex");
}

FakeFiles::FakeFiles(EventLog& log) : log(log), stored(std::make_unique<SettingsBlock>()) {
  SetDefaults(*stored, 1033);
  // Media keys for a player, so the keyboard is told host state 1, not 0.
  for (ProfileRecord& profile : stored->Profiles) profile.MediaOption = 0;
}

void FakeFiles::RegisterWithTalk() {
  log.Add("register with Talk");
}

void FakeFiles::LoadSettings(SettingsBlock& block) {
  block = *stored;
  log.Add("load settings");
}

void FakeFiles::WriteCurrentProfile(int index) {
  log.Add("CurrentProfile=" + std::to_string(index));
}

void FakeFiles::WriteDevice(int present) {
  device = present;
  log.Add("Device=" + std::to_string(present));
}

void FakeFiles::SaveProfiles(const SettingsBlock&) {
  log.Add("save profiles");
}

void FakeFiles::WriteKeyboardRepeat(const ProfileRecord& profile) {
  log.Add("registry repeat " + std::to_string(profile.KBDelay) + " " +
          std::to_string(profile.KBSpeed));
}

void FakeJobs::CheckStamp() {
  log.Add("check stamp");
}

bool FakeJobs::SendChanges() {
  log.Add("send changes");
  return true;
}

bool FakeJobs::RestoreDefaults() {
  log.Add("restore defaults");
  return true;
}

JobOutcome FakeJobs::FullDeviceSync(SettingsBlock&) {
  log.Add("job 2");
  if (!syncLastsUntilCancelled) return {};
  while (Pause(clock, cancel, 100)) {
  }
  log.Add("job 2 cancelled");
  return {};
}

void FakeJobs::SwitchProfile(const SettingsBlock&) {
  log.Add("job 3");
}

JobOutcome FakeJobs::LiveRecordingNotification(SettingsBlock&, std::uint16_t value) {
  log.Add("job 4 " + std::to_string(value));
  return {};
}

void FakeAnnouncements::Announce(int timerId) {
  log.Add("announce " + std::to_string(timerId));
}

void FakeKeys::OnKeyEvent(std::uint16_t value) {
  log.Add("key " + std::to_string(value));
}

void FakeKeys::ReleaseHeldKeys() {
  log.Add("release held keys");
}

bool FakePlayer::Start() {
  log.Add("player start");
  return true;
}

bool FakePlayer::Stop(int timeoutMs) {
  log.Add("player stop " + std::to_string(timeoutMs));
  return true;
}

bool FakeFirmwareCheck::StartUpgradeIfNeeded() {
  log.Add("firmware check");
  return upgrade;
}

MonitorRig::MonitorRig() {
  monitorWindow =
      desktop.AddWindow(kMonitorWindowTitle,
                        [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
  messenger.Name(monitorWindow, "monitor");
  monitor = std::make_unique<Monitor>(
      MonitorServices{messenger, timers, tray, shell, repeat, settingsMutex, files, clock},
      keyboard, settings,
      MonitorFeatureSet{jobs, announcements, keys, player, &firmware, nullptr, nullptr,
                        &foreground});
}

MonitorRig::~MonitorRig() {
  if (created && !destroyed) Destroy();
}

bool MonitorRig::Create(bool openOption) {
  MonitorStart start;
  start.programPath = "C:\\Brel\\BrelFXMonitor.exe";
  start.openOption = openOption;
  start.window = monitorWindow;
  start.talkMessage = 0xC123;
  start.systemLanguageId = 0x0407;
  created = true;
  return monitor->Create(start);
}

void MonitorRig::Destroy() {
  destroyed = true;
  monitor->Destroy();
}

bool MonitorRig::DrainWorker() {
  if (monitor->deviceState() != kDeviceConnected) return true;
  monitor->worker().Post(kJobLiveRecording, 0xFFFF);
  return log.WaitFor("job 4 65535");
}

std::unique_ptr<SettingsBlock> MonitorRig::SharedBlock() {
  FakeSharedMemory reader(objects);
  auto block = std::make_unique<SettingsBlock>();
  if (OpenSharedSettings(reader) != SharedOpenResult::kMapped || !CopyFromShared(reader, *block))
    return nullptr;
  return block;
}

void MonitorRig::AddOptionWindow() {
  optionWindow = desktop.AddWindow(
      kOptionWindowTitle, [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
  messenger.Name(optionWindow, "option");
}

}  // namespace brelfx::test
