#include "monitor/playback/player_thread.h"

namespace brelfx {

PlayerThread::PlayerThread(MacroPlayer& player) : player_(player), thread_([this] { Run(); }) {}

PlayerThread::~PlayerThread() {
  player_.Quit();
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void PlayerThread::StartOrStop(const KeyAssignment& entry) {
  std::optional<MacroJob> job = player_.StartOrStop(entry);
  if (!job) return;
  {
    std::lock_guard lock(mutex_);
    job_ = std::move(job);
  }
  wake_.notify_one();
}

void PlayerThread::Run() {
  for (;;) {
    MacroJob job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || job_.has_value(); });
      if (quit_) return;
      job = *job_;
      job_.reset();
    }
    player_.Play(job);
  }
}

}  // namespace brelfx
