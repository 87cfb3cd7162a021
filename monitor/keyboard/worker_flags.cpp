#include "monitor/keyboard/worker_flags.h"

namespace brelfx {

void WorkerFlags::BeginJob() {
  std::lock_guard lock(mutex_);
  if (!closing_) cancel_.store(0);
  busy_.store(1);
}

void WorkerFlags::EndJob() {
  std::lock_guard lock(mutex_);
  busy_.store(0);
  if (!closing_) cancel_.store(0);
}

void WorkerFlags::Cancel() {
  std::lock_guard lock(mutex_);
  if (busy_.load() != 0) cancel_.store(1);
}

void WorkerFlags::CancelForGood() {
  std::lock_guard lock(mutex_);
  closing_ = true;
  cancel_.store(1);
}

}  // namespace brelfx
