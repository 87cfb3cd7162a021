// A named mutex through CreateMutexA, not owned.
#pragma once

#include "platform/named_mutex.h"
#include "platform/win32/handles.h"

namespace brelfx {

class Win32NamedMutex final : public NamedMutex {
 public:
  MutexCreation Create(const char* name) override;
  void Close() override { handle_.reset(); }

 private:
  UniqueHandle handle_;
};

}  // namespace brelfx
