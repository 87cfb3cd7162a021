#include "monitor/talk/talk_registration.h"

#include <algorithm>
#include <cctype>

#include "platform/path.h"
#include "settings/ini_file.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

constexpr char kKeyboardName[] = "Brel FX";

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

std::string TalkConfigFolder(const std::string& commonAppData) {
  return JoinPath(JoinPath(JoinPath(commonAppData, "Tarvek"), "Talk"), "");
}

bool RegisterInTalkFile(FileSystem& fs, const std::string& folder) {
  const std::string path = JoinPath(folder, kTalkConfigFileName);
  if (fs.Kind(path) == PathKind::kMissing) {
    if (!CreateFolders(fs, folder) || !fs.WriteFile(path, "")) return false;
  }
  IniDocument document;
  if (!LoadIniDocument(fs, path, document)) return false;
  for (const std::string& section : document.SectionNames())
    if (SameIgnoringCase(document.ReadString(section, "Name", ""), kKeyboardName)) return true;
  document.WriteString("BrelFX", "Name", kKeyboardName);
  document.WriteString("BrelFX", "WindowName", kMonitorWindowTitle);
  document.WriteString("BrelFX", "Device", "0");
  return SaveIniDocument(fs, path, document);
}

}  // namespace brelfx
