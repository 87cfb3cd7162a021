#include "upgrade/transfer_worker.h"

#include <chrono>

namespace brelfx {

TransferWorker::TransferWorker(std::function<void()> transfer)
    : transfer_(std::move(transfer)), thread_([this] { Loop(); }) {}

TransferWorker::~TransferWorker() {
  Stop(-1);
  if (thread_.joinable()) thread_.join();
}

void TransferWorker::Signal() {
  std::lock_guard<std::mutex> lock(mutex_);
  signalled_ = true;
  wake_.notify_one();
}

bool TransferWorker::Stop(int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  stop_ = 1;
  wake_.notify_one();
  const auto done = [this] { return finished_; };
  if (timeoutMs < 0)
    ended_.wait(lock, done);
  else if (!ended_.wait_for(lock, std::chrono::milliseconds(timeoutMs), done))
    return false;
  lock.unlock();
  if (thread_.joinable()) thread_.join();
  return true;
}

void TransferWorker::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return signalled_ || stop_.load() != 0; });
    if (stop_.load() != 0) break;
    signalled_ = false;  // auto-reset: one transfer per signal
    lock.unlock();
    transfer_();
    lock.lock();
  }
  finished_ = true;
  ended_.notify_all();
}

}  // namespace brelfx
