// LoadLibraryA/GetProcAddress/FreeLibrary behind the library-loader seam, and
// the running program's path the binding looks beside.
#pragma once

#include <string>

#include "device/library_loader.h"

namespace brelfx {

class Win32LibraryLoader final : public LibraryLoader {
 public:
  void* Load(const std::string& path) override;
  LibraryEntry Find(void* library, const char* name) override;
  void Free(void* library) override;
};

// Full path of the running executable (GetModuleFileNameA), empty on failure.
std::string RunningProgramPath();

}  // namespace brelfx
