#include <atomic>
#include <cstdio>
#include <random>

#include "platform/file_system.h"

namespace brelfx {
namespace {

// A name beside the target that no other writer (the monitor and the option
// application may save at the same moment) picks.
std::string TempPathBeside(const std::string& path) {
  static const unsigned seed = std::random_device{}();
  static std::atomic<unsigned> counter{0};
  char suffix[32];
  std::snprintf(suffix, sizeof(suffix), ".%08x%04x.tmp", seed, counter++ & 0xFFFFu);
  return path + suffix;
}

}  // namespace

bool WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view contents) {
  const std::string temp = TempPathBeside(path);
  if (fs.WriteFile(temp, contents) && fs.ReplaceFile(temp, path)) return true;
  fs.RemoveFile(temp);
  return false;
}

}  // namespace brelfx
