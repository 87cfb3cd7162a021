#include "settings/timer_file.h"

#include <algorithm>
#include <cstring>

#include "platform/path.h"
#include "settings/ini_file.h"

namespace brelfx {
namespace {

constexpr char kSection[] = "Timer";
constexpr char kCountKey[] = "Count";
// A damaged count must not make a load append timers until memory runs out;
// no real list comes near this (the dialogs stop at 50).
constexpr int kMostTimersRead = 10000;

// The folder part of a path ("" when it has none).
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string TimerFilePath(std::string_view programFolder) {
  return JoinPath(JoinPath(programFolder, "config"), "Timer.ini");
}

TimerList LoadTimers(const std::string& path, FileSystem& fs) {
  IniDocument document;
  LoadIniDocument(fs, path, document);
  const int count = std::min(document.ReadInt(kSection, kCountKey, -1), kMostTimersRead);
  TimerList timers;
  for (int i = 0; i < count; ++i) {
    TimerRecord timer{};
    document.ReadStruct(kSection, std::to_string(i), &timer, sizeof(timer));
    // The name is shown and copied as a C string: a file that fills all 100
    // bytes must not let a reader run past the record.
    timer.name[sizeof(timer.name) - 1] = '\0';
    timers.push_back(timer);
  }
  return timers;
}

bool SaveTimers(const std::string& path, const TimerList& timers, FileSystem& fs) {
  IniDocument document;
  document.WriteInt(kSection, kCountKey, static_cast<int>(timers.size()));
  for (std::size_t i = 0; i < timers.size(); ++i)
    document.WriteStruct(kSection, std::to_string(i), &timers[i], sizeof(TimerRecord));
  // A fresh document, so no stale key of a longer list survives; the old
  // file stays until the new one is complete.
  const std::string folder = FolderOf(path);
  if (!folder.empty() && fs.Kind(folder) == PathKind::kMissing) fs.CreateFolder(folder);
  return SaveIniDocument(fs, path, document);
}

}  // namespace brelfx
