// Page-file backed named section and named mutex through the Win32 API.
#pragma once

#include "platform/shared_memory.h"
#include "platform/win32/handles.h"

namespace brelfx {

class Win32SharedMemory final : public SharedMemory {
 public:
  SharedOpenResult Create(const char* sectionName, const char* mutexName,
                          std::size_t size) override;
  SharedOpenResult Open(const char* sectionName, const char* mutexName, std::size_t size) override;
  bool CopyTo(const void* source, std::size_t size) override;
  bool CopyFrom(void* destination, std::size_t size) override;
  void Close() override;

 private:
  SharedOpenResult MapWhole(std::size_t size);
  bool CopyUnderMutex(void* destination, const void* source, std::size_t size);

  // Declared so that the view is unmapped before the section is closed.
  UniqueHandle mutex_;
  UniqueHandle section_;
  UniqueMappedView view_;
  std::size_t mappedSize_ = 0;
};

}  // namespace brelfx
