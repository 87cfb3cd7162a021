#include "platform/win32/shared_memory.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "platform/log.h"
#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

// Owns the mutex for one copy. An abandoned mutex (its last owner ended while
// holding it) is still ours: Windows hands ownership over with that result.
class MutexLock {
 public:
  explicit MutexLock(HANDLE mutex) : mutex_(mutex) {
    const DWORD result = WaitForSingleObject(mutex, INFINITE);
    owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    if (result == WAIT_ABANDONED) DebugLog("settings mutex was abandoned by its owner\r\n");
    if (result == WAIT_FAILED) LogLastError("WaitForSingleObject");
  }
  ~MutexLock() {
    if (owned_) ReleaseMutex(mutex_);
  }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;
  bool owned() const { return owned_; }

 private:
  HANDLE mutex_;
  bool owned_ = false;
};

}  // namespace

SharedOpenResult Win32SharedMemory::Create(const char* sectionName, const char* mutexName,
                                           std::size_t size) {
  Close();
  mutex_.reset(CreateMutexA(nullptr, FALSE, mutexName));
  if (!mutex_) LogLastError("CreateMutexA");

  // A NULL DACL lets every user's processes open the section; the handle is
  // inheritable.
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, TRUE};
  const auto size64 = static_cast<std::uint64_t>(size);
  section_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE,
                                    static_cast<DWORD>(size64 >> 32), static_cast<DWORD>(size64),
                                    sectionName));
  if (!section_) {
    LogLastError("CreateFileMappingA");
    return SharedOpenResult::kMapFailed;
  }
  return MapWhole(size);
}

SharedOpenResult Win32SharedMemory::Open(const char* sectionName, const char* mutexName,
                                         std::size_t size) {
  Close();
  mutex_.reset(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName));
  if (!mutex_) LogLastError("OpenMutexA");

  section_.reset(OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, sectionName));
  if (!section_) {
    const bool absent = GetLastError() == ERROR_FILE_NOT_FOUND;
    LogLastError("OpenFileMappingA");
    return absent ? SharedOpenResult::kAbsent : SharedOpenResult::kMapFailed;
  }
  return MapWhole(size);
}

SharedOpenResult Win32SharedMemory::MapWhole(std::size_t size) {
  view_.reset(MapViewOfFile(section_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
  if (!view_) {
    LogLastError("MapViewOfFile");
    section_.reset();
    return SharedOpenResult::kMapFailed;
  }
  // A section of that name made by someone else may be smaller than the block
  // we are about to copy; copying into it would run past the view.
  MEMORY_BASIC_INFORMATION region{};
  if (VirtualQuery(view_.get(), &region, sizeof(region)) == 0 || region.RegionSize < size) {
    DebugLog("shared section holds %lu bytes, %lu needed\r\n",
             static_cast<unsigned long>(region.RegionSize), static_cast<unsigned long>(size));
    view_.reset();
    section_.reset();
    return SharedOpenResult::kMapFailed;
  }
  mappedSize_ = size;
  return SharedOpenResult::kMapped;
}

bool Win32SharedMemory::CopyTo(const void* source, std::size_t size) {
  return CopyUnderMutex(view_.get(), source, size);
}

bool Win32SharedMemory::CopyFrom(void* destination, std::size_t size) {
  return CopyUnderMutex(destination, view_.get(), size);
}

bool Win32SharedMemory::CopyUnderMutex(void* destination, const void* source, std::size_t size) {
  if (!view_ || size > mappedSize_) return false;
  MutexLock lock(mutex_.get());
  if (!lock.owned()) return false;
  std::memcpy(destination, source, size);
  return true;
}

void Win32SharedMemory::Close() {
  view_.reset();
  section_.reset();
  mutex_.reset();
  mappedSize_ = 0;
}

}  // namespace brelfx
