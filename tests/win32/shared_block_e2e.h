// What the two-process shared-block test programs agree on: test-only
// messages to the monitor side, the files they leave in the work folder, and
// small file helpers.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace brelfx::e2e {

// Monitor side: take the settings mutex on another thread and keep it for
// wParam milliseconds; returns 1 once it is held.
constexpr UINT kTestHoldMutex = WM_APP + 1;
// Monitor side: set the active slot's LtBrightness to wParam, publish and post
// WM_BRIGHTNESS_CHANGED; returns 1 when the option window got the post.
constexpr UINT kTestChangeBrightness = WM_APP + 2;

// Written by the monitor side at the end of its WM_APPLY_SETTINGS handling.
constexpr char kApplyReport[] = "monitor-apply.txt";
// Written by the monitor side right before it releases a held mutex.
constexpr char kMutexReleased[] = "mutex-released.txt";
// The option side's stand-in for the settings files.
constexpr char kFilesWritten[] = "files-written.bin";

inline std::string PathIn(const std::string& folder, const char* name) {
  return folder + "\\" + name;
}

inline bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool WriteFileBytes(const std::string& path, const void* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && ok;
}

inline std::string ReadTextFile(const std::string& path) {
  std::string text;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[512];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, n);
    std::fclose(file);
  }
  return text;
}

}  // namespace brelfx::e2e
