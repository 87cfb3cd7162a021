// The timer list in config\Timer.ini: named countdown timers the user makes
// once and assigns to keys. A key gets its own copy of a timer's length and
// name, so only the option application reads this file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace brelfx {

#pragma pack(push, 1)
struct TimerRecord {
  std::int32_t seconds;  // as set in the timer dialogs
  char name[100];        // zero-terminated
};
#pragma pack(pop)
static_assert(sizeof(TimerRecord) == 104, "the file stores the record byte for byte");

using TimerList = std::vector<TimerRecord>;

// config\Timer.ini in the program's folder.
std::string TimerFilePath(std::string_view programFolder);

// Section "Timer": "Count", then one struct key per timer. A damaged or
// missing timer key gives the all-zero timer, which is still listed; a
// missing file gives an empty list.
TimerList LoadTimers(const std::string& path, FileSystem& fs = SystemFileSystem());

// Writes the whole list; the new file replaces the old one only once it is
// complete, so a crash in between keeps the previous timers.
bool SaveTimers(const std::string& path, const TimerList& timers,
                FileSystem& fs = SystemFileSystem());

}  // namespace brelfx
