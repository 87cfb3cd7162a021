#include "tests/support/fake_shared_memory.h"

#include <cstring>
#include <utility>

namespace brelfx::test {

std::shared_ptr<FakeSharedNamespace::Section> FakeSharedNamespace::FindSection(
    const std::string& name) const {
  auto found = sections_.find(name);
  return found == sections_.end() ? nullptr : found->second.lock();
}

std::shared_ptr<FakeSharedNamespace::Section> FakeSharedNamespace::CreateSection(
    const std::string& name, std::size_t size) {
  if (auto existing = FindSection(name)) return existing;
  auto section = std::make_shared<Section>(size);
  sections_[name] = section;
  return section;
}

SharedOpenResult FakeSharedMemory::Create(const char* sectionName, const char* mutexName,
                                          std::size_t size) {
  Close();
  objects_.AddMutex(mutexName);
  mutexName_ = mutexName;
  hasMutex_ = true;
  return Map(objects_.CreateSection(sectionName, size), size);
}

SharedOpenResult FakeSharedMemory::Open(const char* sectionName, const char* mutexName,
                                        std::size_t size) {
  Close();
  mutexName_ = mutexName;
  hasMutex_ = objects_.HasMutex(mutexName);
  auto section = objects_.FindSection(sectionName);
  if (!section) return SharedOpenResult::kAbsent;
  return Map(std::move(section), size);
}

SharedOpenResult FakeSharedMemory::Map(std::shared_ptr<FakeSharedNamespace::Section> section,
                                       std::size_t size) {
  if (objects_.failMapping || section->size() < size) return SharedOpenResult::kMapFailed;
  view_ = std::move(section);
  return SharedOpenResult::kMapped;
}

bool FakeSharedMemory::TakeMutex() {
  if (!hasMutex_) return false;
  if (objects_.failingWaits > 0) {
    --objects_.failingWaits;
    return false;
  }
  return true;
}

bool FakeSharedMemory::CopyTo(const void* source, std::size_t size) {
  if (!view_ || size > view_->size() || !TakeMutex()) return false;
  std::memcpy(view_->data(), source, size);
  ++objects_.copies;
  return true;
}

bool FakeSharedMemory::CopyFrom(void* destination, std::size_t size) {
  if (!view_ || size > view_->size() || !TakeMutex()) return false;
  std::memcpy(destination, view_->data(), size);
  ++objects_.copies;
  return true;
}

void FakeSharedMemory::Close() {
  view_.reset();
  hasMutex_ = false;
}

}  // namespace brelfx::test
