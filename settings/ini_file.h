// Access to one INI file by the Windows private-profile rules (see
// IniDocument). Every call opens, reads or writes, and closes the file;
// nothing is cached. A write replaces the file only once its new content is
// complete, so a failed write leaves the old file intact.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "settings/ini_document.h"

namespace brelfx {

// Reads the document of a file; a missing file gives an empty document. False
// (and an empty document) when the file exists but cannot be read: a write
// must not replace such a file.
bool LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document);

// Writes the document over the file through a temporary file beside it.
bool SaveIniDocument(FileSystem& fs, const std::string& path, const IniDocument& document);

// Held across every read-modify-write of a settings file. The monitor's worker
// thread (stamp, firmware version) and window thread (Device, CurrentProfile)
// both update config.ini; two overlapping updates would each write back what
// it read and lose the other's key.
[[nodiscard]] std::unique_lock<std::recursive_mutex> LockSettingsFileUpdates();

class IniFile {
 public:
  explicit IniFile(std::string path, FileSystem& fs = SystemFileSystem());

  const std::string& path() const { return path_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;
  bool ReadStruct(std::string_view section, std::string_view key, void* data,
                  std::size_t size) const;

  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInt(std::string_view section, std::string_view key, int value);
  bool WriteStruct(std::string_view section, std::string_view key, const void* data,
                   std::size_t size);

 private:
  IniDocument Load() const;
  // Loads the file, applies the change and writes the file back.
  template <typename Change>
  bool Update(Change change);

  std::string path_;
  FileSystem& fs_;
};

}  // namespace brelfx
