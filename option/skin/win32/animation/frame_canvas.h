// The picture an animated GIF shows at one moment: frames are drawn onto it
// in turn, each first undoing the previous frame as that frame's disposal
// method asks (2: back to the background colour, 3: back to what was under
// it). The window copies it to the screen when it paints.
#pragma once

#include <windows.h>

#include <memory>

#include "option/skin/win32/animation/ole_picture.h"
#include "option/skin/win32/offscreen.h"

namespace brelfx {

struct AnimationFrame {
  PicturePtr picture;
  RECT place{};  // on the logical screen
  int delayMs = 100;
  int disposal = 0;
};

class FrameCanvas {
 public:
  // A canvas of the logical screen size filled with `background`.
  bool Create(int width, int height, COLORREF background);
  void Release();
  bool ok() const { return canvas_ && canvas_->ok(); }

  // The whole canvas back to the background, as at the start of each loop.
  void Clear();
  void ShowFrame(const AnimationFrame& frame);
  void CopyTo(HDC target) const;
  HDC dc() const { return canvas_ ? canvas_->dc() : nullptr; }

 private:
  void DisposePrevious();

  std::unique_ptr<OffscreenBuffer> canvas_;
  std::unique_ptr<OffscreenBuffer> savedBackground_;  // under a disposal-3 frame
  int width_ = 0;
  int height_ = 0;
  COLORREF background_ = RGB(255, 255, 255);
  RECT previousPlace_{};
  int previousDisposal_ = 0;
};

}  // namespace brelfx
