#include "platform/background_thread.h"

#include <chrono>
#include <system_error>

#include "platform/log.h"

namespace brelfx {

BackgroundThread::~BackgroundThread() {
  if (thread_.joinable()) thread_.join();
}

bool BackgroundThread::Start(std::function<void()> body) {
  if (thread_.joinable()) return false;
  auto completion = std::make_shared<Completion>();
  try {
    // The thread holds its own share of the completion record, so a thread
    // that was given up on never touches freed memory when it finishes.
    thread_ = std::thread([completion, body = std::move(body)] {
      body();
      std::lock_guard lock(completion->mutex);
      completion->done = true;
      completion->ended.notify_all();
    });
  } catch (const std::system_error& error) {
    DebugLog("cannot start a thread: %s\n", error.what());
    return false;
  }
  completion_ = std::move(completion);
  return true;
}

bool BackgroundThread::EndWithin(int timeoutMs) {
  if (!thread_.joinable()) return true;
  bool done;
  {
    std::unique_lock lock(completion_->mutex);
    done = completion_->ended.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                       [this] { return completion_->done; });
  }
  if (done) {
    thread_.join();
    return true;
  }
  DebugLog("thread did not end within %d ms\n", timeoutMs);
  TerminateOverdueThread(thread_);
  thread_.detach();
  return false;
}

}  // namespace brelfx
