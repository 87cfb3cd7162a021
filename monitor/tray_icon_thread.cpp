#include "monitor/tray_icon_thread.h"

namespace brelfx {

TrayIconThread::TrayIconThread(TrayIcon& icon) : icon_(icon) {
  started_ = thread_.Start([this] { Run(); });
}

TrayIconThread::~TrayIconThread() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  thread_.EndWithin(kEndMs);
}

bool TrayIconThread::Add() {
  return Queue(Change::kAdd);
}

bool TrayIconThread::Remove() {
  return Queue(Change::kRemove);
}

bool TrayIconThread::Queue(Change change) {
  if (!started_) return false;
  {
    std::lock_guard lock(mutex_);
    changes_.push_back(change);
  }
  wake_.notify_one();
  return true;
}

void TrayIconThread::Run() {
  for (;;) {
    Change change;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !changes_.empty(); });
      // The changes asked for before the end still happen: the icon of a
      // closing monitor must go.
      if (changes_.empty()) return;
      change = changes_.front();
      changes_.pop_front();
    }
    if (change == Change::kAdd) {
      icon_.Add();
    } else {
      icon_.Remove();
    }
  }
}

}  // namespace brelfx
