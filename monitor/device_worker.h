// The worker thread: runs device jobs one after the other, away from the
// window thread, so a full read-back of the keyboard never blocks the
// program. A queue stands in for the thread message WM_DEVICE_JOB.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

#include "monitor/device_jobs.h"
#include "monitor/device_state.h"
#include "monitor/host_state_report.h"
#include "monitor/worker_flags.h"
#include "platform/background_thread.h"

namespace brelfx {

class DeviceWorker {
 public:
  DeviceWorker(DeviceJobs& jobs, HostStateReport& hostState, const DeviceState& deviceState,
               WorkerFlags& flags);
  ~DeviceWorker();
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  bool Start();
  // WM_DEVICE_JOB: queued; run only if the keyboard is connected when its
  // turn comes.
  void Post(int job, std::uint16_t value);
  // Shutdown: cancels the running job, drops the queued ones and waits up to
  // timeoutMs for the thread; false when it had to be given up on.
  bool Stop(int timeoutMs);

 private:
  struct Job {
    int code;
    std::uint16_t value;
  };
  void RequestStop();
  void Run();
  void RunJob(const Job& job);

  DeviceJobs& jobs_;
  HostStateReport& hostState_;
  const DeviceState& deviceState_;
  WorkerFlags& flags_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> queue_;
  bool quit_ = false;
  BackgroundThread thread_;  // last: ends before the members it uses go
};

}  // namespace brelfx
