// The upgrade program's transfer thread: it waits for a signal, runs one
// transfer per signal (the signal resets as the thread takes it) and ends
// when stopped. Stopping waits for the thread, so the caller may release the
// library afterwards; the wait is bounded by one pause slice and one library
// call, since every pause of the transfer watches the stop flag.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace brelfx {

class TransferWorker {
 public:
  // `transfer` runs on the worker thread once per Signal; it should return
  // soon after stopFlag() is set.
  explicit TransferWorker(std::function<void()> transfer);
  // Stops and waits without a bound.
  ~TransferWorker();
  TransferWorker(const TransferWorker&) = delete;
  TransferWorker& operator=(const TransferWorker&) = delete;

  void Signal();
  // Sets the stop flag, wakes the thread and waits at most timeoutMs for it
  // to end. False when it still runs: the library must then stay loaded.
  bool Stop(int timeoutMs);

  const std::atomic<int>& stopFlag() const { return stop_; }

 private:
  void Loop();

  std::function<void()> transfer_;
  std::atomic<int> stop_{0};
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable ended_;
  bool signalled_ = false;
  bool finished_ = false;
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace brelfx
