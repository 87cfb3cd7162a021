#include <windows.h>

#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace brelfx {

const char kPathSeparator = '\\';

namespace {

// How long a replace waits for other handles to the file to close: 300 ms.
// Saves run on the monitor's window thread, which must keep answering; a
// reader that holds the file longer costs this save, not the old file.
constexpr int kReplaceAttempts = 7;
constexpr DWORD kReplaceRetryMs = 50;

class Win32FileSystem final : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string& contents) override {
    // Shared for delete too, though Windows still refuses to replace a file
    // while any handle to it is open: the writer retries (see ReplaceFile).
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
    contents.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!contents.empty() && !::ReadFile(file.get(), contents.data(),
                                         static_cast<DWORD>(contents.size()), &read, nullptr)) {
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
    // On the disk before the rename makes it the settings file.
    if (!FlushFileBuffers(file.get())) {
      LogLastError("FlushFileBuffers");
      return false;
    }
    return true;
  }
  // Windows refuses to replace a file that another program has open, even
  // one that reads it for a moment (the option application, a virus
  // scanner): such a refusal is waited out for a while instead of losing
  // the save.
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    for (int attempt = 1;; ++attempt) {
      if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
      const DWORD error = GetLastError();
      const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
      if (!held || attempt == kReplaceAttempts) break;
      Sleep(kReplaceRetryMs);
    }
    LogLastError("MoveFileExA");
    return false;
  }
  bool RemoveFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
  bool CreateFolder(const std::string& path) override {
    return CreateDirectoryA(path.c_str(), nullptr) || Kind(path) == PathKind::kFolder;
  }
  std::vector<std::string> FileNames(const std::string& folder) override {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
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
