// In-process stand-in for named sections and mutexes. A FakeSharedNamespace
// plays the system's object namespace; each program's SharedMemory is a
// FakeSharedMemory over the same namespace, as two processes would each hold
// their own handles to the same named objects.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/shared_memory.h"

namespace brelfx::test {

class FakeSharedNamespace {
 public:
  using Section = std::vector<unsigned char>;

  // A section lives while some endpoint holds it, like a kernel object.
  std::shared_ptr<Section> FindSection(const std::string& name) const;
  std::shared_ptr<Section> CreateSection(const std::string& name, std::size_t size);
  void AddMutex(const std::string& name) { mutexes_.insert(name); }
  bool HasMutex(const std::string& name) const { return mutexes_.count(name) != 0; }

  // Fault injection: the next `failingWaits` mutex waits fail; while
  // `failMapping` is set, existing sections cannot be mapped.
  int failingWaits = 0;
  bool failMapping = false;
  // Whole-block copies that went through.
  int copies = 0;

 private:
  std::map<std::string, std::weak_ptr<Section>> sections_;
  std::set<std::string> mutexes_;
};

class FakeSharedMemory final : public SharedMemory {
 public:
  explicit FakeSharedMemory(FakeSharedNamespace& objects) : objects_(objects) {}

  SharedOpenResult Create(const char* sectionName, const char* mutexName,
                          std::size_t size) override;
  SharedOpenResult Open(const char* sectionName, const char* mutexName, std::size_t size) override;
  bool CopyTo(const void* source, std::size_t size) override;
  bool CopyFrom(void* destination, std::size_t size) override;
  void Close() override;

 private:
  SharedOpenResult Map(std::shared_ptr<FakeSharedNamespace::Section> section, std::size_t size);
  bool TakeMutex();

  FakeSharedNamespace& objects_;
  std::string mutexName_;
  bool hasMutex_ = false;
  std::shared_ptr<FakeSharedNamespace::Section> view_;
};

}  // namespace brelfx::test
