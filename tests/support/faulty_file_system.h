// The real file system with an injected failure: the chosen write stops after
// half of its bytes (as when the disk fills or the program dies), or reading
// an existing file fails. Reads can be observed.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace brelfx::test {

class FaultyFileSystem final : public FileSystem {
 public:
  // 1-based number of the WriteFile call that fails; 0 for none.
  int failingWrite = 0;
  bool failReads = false;
  int writes = 0;
  // Told of every read, for tests of the order in which files are read.
  std::function<void(const std::string& path)> onRead;
  std::string lastWritten;  // path of the last WriteFile

  bool ReadFile(const std::string& path, std::string& contents) override {
    if (onRead) onRead(path);
    return !failReads && real_.ReadFile(path, contents);
  }
  bool WriteFile(const std::string& path, std::string_view contents) override {
    lastWritten = path;
    if (++writes != failingWrite) return real_.WriteFile(path, contents);
    real_.WriteFile(path, contents.substr(0, contents.size() / 2));
    return false;
  }
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return real_.ReplaceFile(from, to);
  }
  bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }
  bool CreateFolder(const std::string& path) override { return real_.CreateFolder(path); }
  PathKind Kind(const std::string& path) override { return real_.Kind(path); }
  std::vector<std::string> FileNames(const std::string& folder) override {
    return real_.FileNames(folder);
  }

 private:
  FileSystem& real_ = SystemFileSystem();
};

}  // namespace brelfx::test
