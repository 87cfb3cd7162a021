// Tray icon changes carried out on their own thread, against a shell that
// holds a removal up as Wine's tray does.
#include "monitor/tray/tray_icon_thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace brelfx {
namespace {

class SlowShellTray final : public TrayIcon {
 public:
  explicit SlowShellTray(std::thread::id caller) : caller_(caller) {}
  bool Add() override { return Note("add"); }
  bool SetTip(const std::string& tip) override { return Note(("tip " + tip).c_str()); }
  // Waits until Open(); gives up after ten seconds, so that a removal made on
  // the caller's thread fails the test instead of hanging it.
  bool Remove() override {
    std::unique_lock lock(mutex_);
    opened_.wait_for(lock, std::chrono::seconds(10), [this] { return open_; });
    lock.unlock();
    return Note("remove");
  }
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    opened_.notify_all();
  }
  std::vector<std::string> calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  bool onCallersThread() {
    std::lock_guard lock(mutex_);
    return onCallersThread_;
  }

 private:
  bool Note(const char* call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(call);
    onCallersThread_ = onCallersThread_ || std::this_thread::get_id() == caller_;
    return true;
  }

  const std::thread::id caller_;
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = false;
  bool onCallersThread_ = false;
  std::vector<std::string> calls_;
};

TEST(TrayIconThread, ChangesRunInOrderOffTheCallersThreadAndFinishAtTheEnd) {
  SlowShellTray shell(std::this_thread::get_id());
  {
    TrayIconThread tray(shell);
    EXPECT_TRUE(tray.Add());
    EXPECT_TRUE(tray.Remove());  // back at once while the shell holds it up
    EXPECT_TRUE(tray.SetTip("busy"));
    EXPECT_TRUE(tray.Add());
    EXPECT_TRUE(tray.Remove());
    shell.Open();
  }  // the end carries out what was queued
  EXPECT_EQ(shell.calls(),
            (std::vector<std::string>{"add", "remove", "tip busy", "add", "remove"}));
  EXPECT_FALSE(shell.onCallersThread());
}

}  // namespace
}  // namespace brelfx
