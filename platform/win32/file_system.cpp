#include <windows.h>

#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace brelfx {

const char kPathSeparator = '\\';

namespace {

class Win32FileSystem final : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string& contents) override {
    // FILE_SHARE_DELETE: a reader must never make the other program's atomic
    // replace of the same file fail.
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
    contents.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!contents.empty() &&
        !::ReadFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &read, nullptr)) {
      return false;
    }
    contents.resize(read);
    return true;
  }
  bool WriteFile(const std::string& path, std::string_view contents) override {
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      LogLastError("CreateFileA for writing");
      return false;
    }
    DWORD written = 0;
    if (!::WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                     nullptr) ||
        written != contents.size()) {
      LogLastError("WriteFile");
      return false;
    }
    return true;
  }
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    LogLastError("MoveFileExA");
    return false;
  }
  bool RemoveFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
  bool CreateFolder(const std::string& path) override {
    return CreateDirectoryA(path.c_str(), nullptr) || Kind(path) == PathKind::kFolder;
  }
  PathKind Kind(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::kFolder : PathKind::kFile;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

}  // namespace brelfx
