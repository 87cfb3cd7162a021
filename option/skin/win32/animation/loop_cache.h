// The composed pictures of one loop of an animation. Every loop starts from
// a cleared canvas, so once one loop has been drawn whole the later ones
// repeat it pixel for pixel: copying the kept pictures then replaces decoding
// and composing each frame again (most of the CPU an animation costs).
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "option/skin/win32/offscreen.h"

namespace brelfx {

class LoopCache {
 public:
  // Forgets what was kept; keeps nothing when a loop of `frames` pictures of
  // this size would take more memory than is sensible for one control.
  void Reset(std::size_t frames, int width, int height);
  // A copy of the canvas `source` as it stands after frame `index`.
  void Keep(std::size_t index, HDC source);
  bool Complete() const;
  void CopyTo(std::size_t index, HDC target) const;

 private:
  std::vector<std::unique_ptr<OffscreenBuffer>> pictures_;
  int width_ = 0;
  int height_ = 0;
  std::size_t kept_ = 0;
};

}  // namespace brelfx
