#include "monitor/keyboard/device_worker.h"

#include <utility>

#include "monitor/monitor_messages.h"

namespace brelfx {

DeviceWorker::DeviceWorker(DeviceJobs& jobs, HostStateReport& hostState,
                           const DeviceState& deviceState, WorkerFlags& flags,
                           const SettingsBlock& settings, std::function<void()> resultsReady)
    : jobs_(jobs),
      hostState_(hostState),
      deviceState_(deviceState),
      flags_(flags),
      settings_(settings),
      resultsReady_(std::move(resultsReady)) {}

DeviceWorker::~DeviceWorker() {
  RequestStop();  // the thread member then waits for the thread
}

bool DeviceWorker::Start() {
  return thread_.Start([this] { Run(); });
}

void DeviceWorker::Post(int job, std::uint16_t value) {
  Result posted{job,
                value,
                generation_,
                std::make_unique<const SettingsBlock>(settings_),
                std::make_unique<SettingsBlock>(settings_),
                {}};
  {
    std::lock_guard lock(mutex_);
    if (quit_) return;
    queue_.push_back(std::move(posted));
  }
  wake_.notify_one();
}

std::vector<DeviceWorker::Result> DeviceWorker::TakeResults() {
  std::lock_guard lock(mutex_);
  return std::exchange(results_, {});
}

bool DeviceWorker::idle() {
  std::lock_guard lock(mutex_);
  return queue_.empty() && !running_;
}

bool DeviceWorker::Stop(int timeoutMs) {
  RequestStop();
  return thread_.EndWithin(timeoutMs);
}

void DeviceWorker::RequestStop() {
  flags_.Cancel();
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    queue_.clear();
  }
  wake_.notify_one();
}

void DeviceWorker::Run() {
  for (;;) {
    Result job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
      if (quit_) return;
      job = std::move(queue_.front());
      queue_.pop_front();
      running_ = true;
    }
    if (deviceState_.load() == kDeviceConnected) {
      flags_.BeginJob();
      RunJob(job);
      flags_.EndJob();
    }
    // The window thread is told before the worker counts as idle again.
    std::lock_guard lock(mutex_);
    if (job.outcome.keepsSettings()) {
      results_.push_back(std::move(job));
      if (resultsReady_) resultsReady_();
    }
    running_ = false;
  }
}

void DeviceWorker::RunJob(Result& job) {
  SettingsBlock& settings = *job.settings;
  switch (job.job) {
    case kJobFullSync:
      job.outcome = jobs_.FullDeviceSync(settings);
      break;
    case kJobSwitchProfile:
      jobs_.SwitchProfile(settings);
      break;
    case kJobLiveRecording:
      job.outcome = jobs_.LiveRecordingNotification(settings, job.value);
      return;
    default:
      return;
  }
  // A cancelled job ends because the keyboard left or the monitor closes
  // (and has just told the keyboard host state 0): no host state then.
  if (!flags_.cancelled()) hostState_.Send(1, settings);
}

}  // namespace brelfx
