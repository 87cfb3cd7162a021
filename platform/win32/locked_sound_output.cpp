#include "platform/win32/locked_sound_output.h"

#include <mmsystem.h>

#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

std::size_t PageSize() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info.dwPageSize;
}

}  // namespace

LockedSoundOutput::~LockedSoundOutput() {
  Purge();
  Release();
}

void LockedSoundOutput::Purge() {
  PlaySoundA(nullptr, nullptr, SND_PURGE);
}

std::uint8_t* LockedSoundOutput::Buffer(std::size_t size) {
  if (block_ != nullptr && size <= blockSize_) return block_;
  Release();
  const std::size_t page = PageSize();
  const std::size_t rounded = (size + page - 1) / page * page;
  void* block = VirtualAlloc(nullptr, rounded, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (block == nullptr) {
    LogLastError("VirtualAlloc of the sound buffer");
    return nullptr;
  }
  // The lock only keeps the sound from being paged out; a block that cannot
  // be locked (working-set limit) still plays.
  if (!VirtualLock(block, rounded)) LogLastError("VirtualLock of the sound buffer");
  block_ = static_cast<std::uint8_t*>(block);
  blockSize_ = rounded;
  return block_;
}

void LockedSoundOutput::Play(std::size_t /*size: PlaySound reads it from the header*/) {
  if (block_ == nullptr) return;
  if (!PlaySoundA(reinterpret_cast<LPCSTR>(block_), nullptr, SND_MEMORY | SND_ASYNC | SND_NOWAIT))
    LogLastError("PlaySound from memory");
}

void LockedSoundOutput::Release() {
  if (block_ == nullptr) return;
  VirtualUnlock(block_, blockSize_);
  VirtualFree(block_, 0, MEM_RELEASE);
  block_ = nullptr;
  blockSize_ = 0;
}

}  // namespace brelfx
