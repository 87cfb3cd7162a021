#include "monitor/device_worker.h"

#include "monitor/monitor_messages.h"

namespace brelfx {

DeviceWorker::DeviceWorker(DeviceJobs& jobs, HostStateReport& hostState,
                           const DeviceState& deviceState, WorkerFlags& flags)
    : jobs_(jobs), hostState_(hostState), deviceState_(deviceState), flags_(flags) {}

DeviceWorker::~DeviceWorker() {
  RequestStop();  // the thread member then waits for the thread
}

bool DeviceWorker::Start() {
  return thread_.Start([this] { Run(); });
}

void DeviceWorker::Post(int job, std::uint16_t value) {
  {
    std::lock_guard lock(mutex_);
    if (quit_) return;
    queue_.push_back({job, value});
  }
  wake_.notify_one();
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
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
      if (quit_) return;
      job = queue_.front();
      queue_.pop_front();
    }
    if (deviceState_.load() != kDeviceConnected) continue;
    flags_.BeginJob();
    RunJob(job);
    flags_.EndJob();
  }
}

void DeviceWorker::RunJob(const Job& job) {
  switch (job.code) {
    case kJobFullSync:
      jobs_.FullDeviceSync();
      break;
    case kJobSwitchProfile:
      jobs_.SwitchProfile();
      break;
    case kJobLiveRecording:
      jobs_.LiveRecordingNotification(job.value);
      return;
    default:
      return;
  }
  // A cancelled job ends because the keyboard left or the monitor closes
  // (and has just told the keyboard host state 0): no host state then.
  if (!flags_.cancelled()) hostState_.Send(1);
}

}  // namespace brelfx
