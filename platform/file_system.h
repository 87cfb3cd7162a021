// File-system seam: the few file operations the settings files need, so the
// portable code never touches the OS directly and a test can make a write fail
// halfway.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brelfx {

enum class PathKind { kMissing, kFile, kFolder };

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The whole content of a file; false when it cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string& contents) = 0;
  // Creates or truncates the file, writes every byte and flushes it to the
  // disk; false on any failure, after which the file may hold only part of
  // the bytes.
  virtual bool WriteFile(const std::string& path, std::string_view contents) = 0;
  // Renames `from` to `to` in one step, replacing an existing `to`.
  virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Creates one folder (its parent must exist); true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual PathKind Kind(const std::string& path) = 0;
  // Names of the files (not folders) in a folder; empty when it can't be read.
  virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
};

// The real file system of the machine.
FileSystem& SystemFileSystem();

// Writes the content to a temporary file in the same folder and renames it
// over `path` only when every byte was written and flushed, so a failed or
// interrupted write (or a power cut) leaves the old file as it was. The
// temporary name is never longer than "config.ini", so a path near the
// system's length limit can still be written.
bool WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view contents);

// Start-up: removes the temporary files that writes cut short (the program
// ended between write and rename) left in the folder.
void RemoveStaleTemporaryFiles(FileSystem& fs, const std::string& folder);

}  // namespace brelfx
