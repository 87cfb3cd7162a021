// The three operating-system calls that bind a library at run time. The Win32
// adapter uses LoadLibraryA/GetProcAddress/FreeLibrary; tests use a fake.
#pragma once

#include <string>

namespace brelfx {

using LibraryEntry = void (*)();

class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;
  // The loaded library, or null when it can't be loaded.
  virtual void* Load(const std::string& path) = 0;
  // The named entry point, or null when the library has none by that name.
  virtual LibraryEntry Find(void* library, const char* name) = 0;
  virtual void Free(void* library) = 0;
};

}  // namespace brelfx
