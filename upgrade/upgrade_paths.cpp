#include "upgrade/upgrade_paths.h"

namespace brelfx {
namespace {

constexpr std::string_view kSeparators = "\\/";

}  // namespace

std::string FolderOf(std::string_view programPath) {
  const std::size_t last = programPath.find_last_of(kSeparators);
  return last == std::string_view::npos ? std::string()
                                        : std::string(programPath.substr(0, last + 1));
}

std::string FirmwareImagePath(std::string_view programFolder, std::string_view name) {
  if (name.empty()) return {};
  if (name.find('\\') != std::string_view::npos) return std::string(name);
  return std::string(programFolder) + std::string(name);
}

std::string MonitorPathFor(std::string_view programPath) {
  std::string_view folder = programPath.substr(0, programPath.find_last_of(kSeparators) + 1);
  folder.remove_suffix(folder.empty() ? 0 : 1);  // "…\FWUpdate"
  const std::size_t parentEnd = folder.find_last_of(kSeparators);
  const std::string_view parent =
      parentEnd == std::string_view::npos ? std::string_view() : folder.substr(0, parentEnd);
  return std::string(parent) + "\\" + kMonitorProgramName;
}

}  // namespace brelfx
