// Collects the debugger output (OutputDebugString) of one process the way a
// system-wide debug viewer does: through the session's "DBWIN_BUFFER"
// section and its two events. Only one listener can exist in a session, and
// while it exists every OutputDebugString of the session waits for it.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/handles.h"

namespace brelfx::test {

// What follows "PlaySound: " in the lines that have it: the sounds played,
// each with its volume factor.
std::vector<std::string> SoundsPlayed(const std::vector<std::string>& lines);

class DebugOutputListener {
 public:
  DebugOutputListener();
  ~DebugOutputListener();
  DebugOutputListener(const DebugOutputListener&) = delete;
  DebugOutputListener& operator=(const DebugOutputListener&) = delete;

  // False when another listener holds the buffer.
  bool listening() const { return listening_; }
  // From now on only this process's output is kept, including what it wrote
  // before this call: a process may well log before its starter gets here.
  void Follow(DWORD processId);
  // The lines kept so far, each without its line end.
  std::vector<std::string> Lines();

 private:
  void Listen();

  UniqueHandle section_, bufferReady_, dataReady_;
  UniqueMappedView view_;
  bool listening_ = false;
  std::atomic<DWORD> processId_{0};
  std::atomic<bool> stop_{false};
  std::mutex linesMutex_;
  struct Line {
    DWORD writer;
    std::string text;
  };
  std::vector<Line> lines_;  // every process's until Follow, then only the one followed
  std::thread thread_;
};

}  // namespace brelfx::test
