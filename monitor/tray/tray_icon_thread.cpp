#include "monitor/tray/tray_icon_thread.h"

#include <utility>

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
  return Queue({Change::kAdd, {}});
}

bool TrayIconThread::Remove() {
  return Queue({Change::kRemove, {}});
}

bool TrayIconThread::SetTip(const std::string& tip) {
  return Queue({Change::kSetTip, tip});
}

bool TrayIconThread::Queue(Change change) {
  if (!started_) return false;
  {
    std::lock_guard lock(mutex_);
    changes_.push_back(std::move(change));
  }
  wake_.notify_one();
  return true;
}

void TrayIconThread::Run() {
  for (;;) {
    Change change{Change::kAdd, {}};
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !changes_.empty(); });
      // The changes asked for before the end still happen: the icon of a
      // closing monitor must go.
      if (changes_.empty()) return;
      change = std::move(changes_.front());
      changes_.pop_front();
    }
    switch (change.kind) {
      case Change::kAdd:
        icon_.Add();
        break;
      case Change::kRemove:
        icon_.Remove();
        break;
      case Change::kSetTip:
        icon_.SetTip(change.tip);
        break;
    }
  }
}

}  // namespace brelfx
