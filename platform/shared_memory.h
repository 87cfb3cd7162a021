// Named shared memory guarded by a named mutex: one process creates the
// section, others open it, and every exchange copies the whole content under
// the mutex. Nobody edits the section in place.
#pragma once

#include <cstddef>

namespace brelfx {

enum class SharedOpenResult {
  kMapped,     // the section is mapped and copies can run
  kAbsent,     // no section of that name exists (its creator does not run)
  kMapFailed,  // the section exists but could not be mapped at the needed size
};

class SharedMemory {
 public:
  virtual ~SharedMemory() = default;

  // Creating side: creates the section (or maps the existing one) and the
  // mutex, not owned.
  virtual SharedOpenResult Create(const char* sectionName, const char* mutexName,
                                  std::size_t size) = 0;
  // Opening side: opens the mutex whether or not the section exists, then
  // opens and maps the section.
  virtual SharedOpenResult Open(const char* sectionName, const char* mutexName,
                                std::size_t size) = 0;

  // Whole copies under the mutex. False, with nothing copied, when no section
  // is mapped, `size` exceeds it, or the mutex wait does not succeed.
  virtual bool CopyTo(const void* source, std::size_t size) = 0;
  virtual bool CopyFrom(void* destination, std::size_t size) = 0;

  // Unmaps the view and closes the section and the mutex (also done on destruction).
  virtual void Close() = 0;
};

}  // namespace brelfx
