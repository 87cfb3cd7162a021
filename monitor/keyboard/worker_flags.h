// Worker busy and worker cancel: the window thread asks a running device job
// to stop through them, and every pause and status poll of the job reads the
// cancel flag without a lock.
#pragma once

#include <atomic>
#include <mutex>

namespace brelfx {

class WorkerFlags {
 public:
  // Worker thread, around each job. Cancel is cleared at both ends: a cancel
  // left set after its job would make the window thread's own transactions
  // (the stamp check at the next arrival, an apply) fail.
  void BeginJob();
  void EndJob();

  // Cancel worker: sets cancel only while a job runs.
  void Cancel();
  // Shutdown: cancel stays set from now on, so no pause or status poll of
  // either thread waits on the keyboard any more.
  void CancelForGood();

  bool busy() const { return busy_.load() != 0; }
  bool cancelled() const { return cancel_.load() != 0; }
  // What the transaction layer watches.
  const std::atomic<int>& cancel() const { return cancel_; }

 private:
  std::mutex mutex_;  // keeps Cancel from slipping in between a job's end and its clean-up
  bool closing_ = false;
  std::atomic<int> busy_{0};
  std::atomic<int> cancel_{0};
};

}  // namespace brelfx
