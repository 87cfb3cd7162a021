// The worker thread: runs device jobs one after the other, away from the
// window thread, so a full read-back of the keyboard never blocks the
// program. A queue stands in for the thread message WM_DEVICE_JOB.
//
// The window thread owns the monitor's settings block. Each job is posted
// with a copy of it and runs on that copy; the finished job (its copy and
// what it asks for) waits in a list that the window thread takes when told
// through resultsReady.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "monitor/keyboard/device_jobs.h"
#include "monitor/keyboard/device_state.h"
#include "monitor/keyboard/host_state_report.h"
#include "monitor/keyboard/worker_flags.h"
#include "platform/background_thread.h"

namespace brelfx {

class DeviceWorker {
 public:
  // A job that ran, with the block as posted and as the job left it.
  struct Result {
    int job = 0;
    std::uint16_t value = 0;
    unsigned int generation = 0;  // the settings generation it was posted in
    std::unique_ptr<const SettingsBlock> posted;
    std::unique_ptr<SettingsBlock> settings;
    JobOutcome outcome;
  };

  // settings: the window thread's block. resultsReady is called on the
  // worker thread after a job that left settings to keep.
  DeviceWorker(DeviceJobs& jobs, HostStateReport& hostState, const DeviceState& deviceState,
               WorkerFlags& flags, const SettingsBlock& settings,
               std::function<void()> resultsReady);
  ~DeviceWorker();
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  bool Start();
  // Window thread. WM_DEVICE_JOB: queued with a copy of the settings; run
  // only if the keyboard is connected when its turn comes.
  void Post(int job, std::uint16_t value);
  // Window thread: the block was replaced by an apply. Jobs posted before
  // now hold an older copy.
  void SettingsReplaced() { ++generation_; }
  unsigned int generation() const { return generation_; }
  // Window thread: the jobs that finished since the last call.
  std::vector<Result> TakeResults();
  // Nothing queued and no job running.
  bool idle();

  // Shutdown: cancels the running job, drops the queued ones and waits up to
  // timeoutMs for the thread; false when it had to be given up on.
  bool Stop(int timeoutMs);

 private:
  void RequestStop();
  void Run();
  void RunJob(Result& job);

  DeviceJobs& jobs_;
  HostStateReport& hostState_;
  const DeviceState& deviceState_;
  WorkerFlags& flags_;
  const SettingsBlock& settings_;
  std::function<void()> resultsReady_;
  unsigned int generation_ = 0;  // window thread only

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Result> queue_;
  std::vector<Result> results_;
  bool running_ = false;
  bool quit_ = false;
  BackgroundThread thread_;  // last: ends before the members it uses go
};

}  // namespace brelfx
