#include "monitor/talk/talk_registration.h"

#include <algorithm>
#include <cctype>

#include "platform/path.h"
#include "settings/ini_file.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// Creates the folder and the ones above it that are missing.
bool CreateFolders(FileSystem& fs, const std::string& folder) {
  std::string path = folder;
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  if (path.empty() || fs.Kind(path) == PathKind::kFolder) return true;
  const std::size_t parent = path.find_last_of("\\/");
  if (parent != std::string::npos && parent > 0 && !CreateFolders(fs, path.substr(0, parent)))
    return false;
  return fs.CreateFolder(path);
}

}  // namespace

TalkEntry KeyboardTalkEntry() {
  return {"BrelFX", "Brel FX", kMonitorWindowTitle, 0};
}

std::string TalkConfigFolder(const std::string& commonAppData) {
  return JoinPath(JoinPath(JoinPath(commonAppData, "Tarvek"), "Talk"), "");
}

bool RegisterInTalkFile(FileSystem& fs, const std::string& folder, const TalkEntry& entry) {
  const std::string path = JoinPath(folder, kTalkConfigFileName);
  if (fs.Kind(path) == PathKind::kMissing) {
    if (!CreateFolders(fs, folder) || !fs.WriteFile(path, "")) return false;
  }
  IniDocument document;
  if (!LoadIniDocument(fs, path, document)) return false;
  for (const std::string& section : document.SectionNames())
    if (SameIgnoringCase(document.ReadString(section, "Name", ""), entry.name)) return true;
  document.WriteString(entry.section, "Name", entry.name);
  document.WriteString(entry.section, "WindowName", entry.windowName);
  document.WriteString(entry.section, "Device", std::to_string(entry.device));
  return SaveIniDocument(fs, path, document);
}

}  // namespace brelfx
