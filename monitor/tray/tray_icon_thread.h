// Tray icon changes on a thread of their own. The shell can take seconds over
// one (Wine's stand-alone tray blocks about 2 s in every removal), and the
// monitor's window thread must go on answering device events, timers and
// other programs meanwhile. Changes are carried out in the order asked for.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

#include "platform/background_thread.h"
#include "platform/tray_icon.h"

namespace brelfx {

class TrayIconThread final : public TrayIcon {
 public:
  explicit TrayIconThread(TrayIcon& icon);
  // Carries out what is still queued, waiting at most kEndMs for the shell.
  ~TrayIconThread() override;
  TrayIconThread(const TrayIconThread&) = delete;
  TrayIconThread& operator=(const TrayIconThread&) = delete;

  // Queued; false only when no thread could be started (nothing is done then).
  bool Add() override;
  bool Remove() override;
  bool SetTip(const std::string& tip) override;

  static constexpr int kEndMs = 5000;

 private:
  struct Change {
    enum Kind { kAdd, kRemove, kSetTip } kind;
    std::string tip;
  };
  bool Queue(Change change);
  void Run();

  TrayIcon& icon_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Change> changes_;
  bool quit_ = false;
  BackgroundThread thread_;  // last: ends before the members it uses go
  bool started_ = false;
};

}  // namespace brelfx
