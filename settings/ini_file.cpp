#include "settings/ini_file.h"

#include <utility>

namespace brelfx {

bool LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document) {
  std::string text;
  if (!fs.ReadFile(path, text)) {
    document = IniDocument();
    return fs.Kind(path) == PathKind::kMissing;
  }
  document = IniDocument(std::move(text));
  return true;
}

bool SaveIniDocument(FileSystem& fs, const std::string& path, const IniDocument& document) {
  return WriteFileAtomically(fs, path, document.Text());
}

std::unique_lock<std::recursive_mutex> LockSettingsFileUpdates() {
  static std::recursive_mutex updates;
  return std::unique_lock(updates);
}

IniFile::IniFile(std::string path, FileSystem& fs) : path_(std::move(path)), fs_(fs) {}

IniDocument IniFile::Load() const {
  IniDocument document;
  LoadIniDocument(fs_, path_, document);
  return document;
}

template <typename Change>
bool IniFile::Update(Change change) {
  const auto lock = LockSettingsFileUpdates();
  IniDocument document;
  if (!LoadIniDocument(fs_, path_, document)) return false;
  change(document);
  return SaveIniDocument(fs_, path_, document);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  return Load().ReadString(section, key, defaultValue);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
  return Load().ReadInt(section, key, defaultValue);
}

bool IniFile::ReadStruct(std::string_view section, std::string_view key, void* data,
                         std::size_t size) const {
  return Load().ReadStruct(section, key, data, size);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  return Update([&](IniDocument& d) { d.WriteString(section, key, value); });
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
  return Update([&](IniDocument& d) { d.WriteInt(section, key, value); });
}

bool IniFile::WriteStruct(std::string_view section, std::string_view key, const void* data,
                          std::size_t size) {
  return Update([&](IniDocument& d) { d.WriteStruct(section, key, data, size); });
}

}  // namespace brelfx
