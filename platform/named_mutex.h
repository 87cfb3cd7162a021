// A named mutex held for a program's lifetime, whose prior existence tells
// that another holder runs.
#pragma once

namespace brelfx {

enum class MutexCreation { kCreated, kExisted, kFailed };

class NamedMutex {
 public:
  virtual ~NamedMutex() = default;
  // Creates the mutex, not owned; kExisted when some process holds one of
  // that name already (a handle to it is kept all the same).
  virtual MutexCreation Create(const char* name) = 0;
  virtual void Close() = 0;
};

}  // namespace brelfx
