#include "option/skin/win32/animation/loop_cache.h"

namespace brelfx {
namespace {

constexpr std::size_t kLargestLoopBytes = 8 * 1024 * 1024;

}  // namespace

void LoopCache::Reset(std::size_t frames, int width, int height) {
  pictures_.clear();
  kept_ = 0;
  width_ = width;
  height_ = height;
  const std::size_t bytes = frames * static_cast<std::size_t>(width) * height * 4;
  if (frames > 1 && bytes <= kLargestLoopBytes) pictures_.resize(frames);
}

void LoopCache::Keep(std::size_t index, HDC source) {
  if (index >= pictures_.size()) return;
  auto& picture = pictures_[index];
  if (!picture) {
    picture = std::make_unique<OffscreenBuffer>(source, width_, height_);
    if (!picture->ok()) {
      // Out of GDI memory: play on without the copies.
      Reset(0, 0, 0);
      return;
    }
    ++kept_;
  }
  BitBlt(picture->dc(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
}

bool LoopCache::Complete() const {
  return !pictures_.empty() && kept_ == pictures_.size();
}

void LoopCache::CopyTo(std::size_t index, HDC target) const {
  if (index < pictures_.size() && pictures_[index]) pictures_[index]->CopyTo(target, 0, 0);
}

}  // namespace brelfx
