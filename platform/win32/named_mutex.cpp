#include "platform/win32/named_mutex.h"

#include "platform/win32/last_error.h"

namespace brelfx {

MutexCreation Win32NamedMutex::Create(const char* name) {
  handle_.reset(CreateMutexA(nullptr, FALSE, name));
  if (!handle_) {
    LogLastError("CreateMutexA");
    return MutexCreation::kFailed;
  }
  return GetLastError() == ERROR_ALREADY_EXISTS ? MutexCreation::kExisted : MutexCreation::kCreated;
}

}  // namespace brelfx
