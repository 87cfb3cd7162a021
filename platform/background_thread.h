// A thread the program can give up on: shutdown waits a bounded time for it
// to end and, when it has not, terminates it (Windows) so that a thread stuck
// in a library call cannot keep the program from closing.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace brelfx {

class BackgroundThread {
 public:
  BackgroundThread() = default;
  // Waits for a thread that is still running (without limit).
  ~BackgroundThread();
  BackgroundThread(const BackgroundThread&) = delete;
  BackgroundThread& operator=(const BackgroundThread&) = delete;

  // Runs the body on a new thread; false when one runs already or the
  // system could not start one.
  bool Start(std::function<void()> body);

  // Waits up to timeoutMs for the body to return; true when it did (or no
  // thread was started). Otherwise the thread is terminated where the system
  // allows it, else left to run on its own, and false is returned.
  bool EndWithin(int timeoutMs);

 private:
  struct Completion {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
  };
  std::shared_ptr<Completion> completion_;
  std::thread thread_;
};

// Ends a thread that did not finish in time (TerminateThread on Windows;
// nothing elsewhere, where the thread is only detached).
void TerminateOverdueThread(std::thread& thread);

}  // namespace brelfx
