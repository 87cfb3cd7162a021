#include "device/win32/win32_library_loader.h"

#include <windows.h>

#include "platform/log.h"

namespace brelfx {

void* Win32LibraryLoader::Load(const std::string& path) {
  HMODULE library = LoadLibraryA(path.c_str());
  if (!library) DebugLog("LoadLibraryA(%s) failed: error %lu\n", path.c_str(), GetLastError());
  return library;
}

LibraryEntry Win32LibraryLoader::Find(void* library, const char* name) {
  return reinterpret_cast<LibraryEntry>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void Win32LibraryLoader::Free(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

std::string RunningProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      DebugLog("GetModuleFileNameA failed: error %lu\n", GetLastError());
      return {};
    }
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

}  // namespace brelfx
