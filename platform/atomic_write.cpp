#include <atomic>
#include <cctype>
#include <cstdio>
#include <random>

#include "platform/file_system.h"
#include "platform/path.h"

namespace brelfx {
namespace {

// "~bx" and three hex digits: as short as the shortest settings file name.
// The monitor and the option application may save into one folder at the
// same moment, so each process starts at its own random number.
constexpr char kTempPrefix[] = "~bx";
constexpr char kTempSuffix[] = ".tmp";
constexpr std::size_t kTempDigits = 3;
// Earlier versions appended twelve hex digits and ".tmp" to the target name.
constexpr std::size_t kLongTempDigits = 12;

std::string TempPathBeside(const std::string& path) {
  static std::atomic<unsigned> counter{std::random_device{}()};
  char name[16];
  std::snprintf(name, sizeof(name), "%s%03x%s", kTempPrefix, counter++ & 0xFFFu, kTempSuffix);
  const std::string_view folder(path.data(), path.size() - FileNameOf(path).size());
  return JoinPath(folder, name);
}

bool AllHex(std::string_view text) {
  for (char c : text)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return !text.empty();
}

bool IsOwnTemporaryName(std::string_view name) {
  const std::string_view suffix = kTempSuffix;
  if (name.size() <= suffix.size() || name.substr(name.size() - suffix.size()) != suffix)
    return false;
  name.remove_suffix(suffix.size());
  const std::string_view prefix = kTempPrefix;
  if (name.size() == prefix.size() + kTempDigits && name.substr(0, prefix.size()) == prefix)
    return AllHex(name.substr(prefix.size()));
  return name.size() > kLongTempDigits + 1 && name[name.size() - kLongTempDigits - 1] == '.' &&
         AllHex(name.substr(name.size() - kLongTempDigits));
}

}  // namespace

bool WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view contents) {
  const std::string temp = TempPathBeside(path);
  if (fs.WriteFile(temp, contents) && fs.ReplaceFile(temp, path)) return true;
  fs.RemoveFile(temp);
  return false;
}

void RemoveStaleTemporaryFiles(FileSystem& fs, const std::string& folder) {
  for (const std::string& name : fs.FileNames(folder))
    if (IsOwnTemporaryName(name)) fs.RemoveFile(JoinPath(folder, name));
}

}  // namespace brelfx
