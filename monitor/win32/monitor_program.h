// Everything the monitor's window owns, put together: the Win32 adapters of
// its services, the keyboard link, the settings, the monitor's features and
// the monitor itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "monitor/monitor.h"
#include "monitor/talk/talk_link.h"
#include "monitor/win32/window_thread_timers.h"
#include "platform/win32/program_shell.h"

namespace brelfx {

class MonitorProgram {
 public:
  MonitorProgram(HWND window, const std::string& programPath);
  ~MonitorProgram();
  MonitorProgram(const MonitorProgram&) = delete;
  MonitorProgram& operator=(const MonitorProgram&) = delete;

  Monitor& monitor();
  ProgramShell& shell();
  WindowThreadTimers& timers();
  TalkLink& talk();
  // WM_TIMER of the timers the monitor's features run; false for an id none
  // of them owns.
  bool OnTimer(int id);

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace brelfx
