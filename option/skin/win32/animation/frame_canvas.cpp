#include "option/skin/win32/animation/frame_canvas.h"

namespace brelfx {
namespace {

constexpr int kRestoreBackground = 2;
constexpr int kRestorePrevious = 3;

int Width(const RECT& r) {
  return r.right - r.left;
}
int Height(const RECT& r) {
  return r.bottom - r.top;
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.get());
}

}  // namespace

bool FrameCanvas::Create(int width, int height, COLORREF background) {
  Release();
  WindowDc screen(nullptr);
  canvas_ = std::make_unique<OffscreenBuffer>(screen.get(), width, height);
  width_ = width;
  height_ = height;
  background_ = background;
  if (!canvas_->ok()) {
    Release();
    return false;
  }
  Clear();
  return true;
}

void FrameCanvas::Release() {
  savedBackground_.reset();
  canvas_.reset();
  previousDisposal_ = 0;
}

void FrameCanvas::Clear() {
  if (!ok()) return;
  Fill(canvas_->dc(), RECT{0, 0, width_, height_}, background_);
  savedBackground_.reset();
  previousDisposal_ = 0;
}

void FrameCanvas::DisposePrevious() {
  if (previousDisposal_ == kRestoreBackground) {
    Fill(canvas_->dc(), previousPlace_, background_);
  } else if (previousDisposal_ == kRestorePrevious && savedBackground_) {
    savedBackground_->CopyTo(canvas_->dc(), previousPlace_.left, previousPlace_.top);
  }
  savedBackground_.reset();
}

void FrameCanvas::ShowFrame(const AnimationFrame& frame) {
  if (!ok()) return;
  DisposePrevious();
  const RECT& place = frame.place;
  if (frame.disposal == kRestorePrevious) {
    savedBackground_ =
        std::make_unique<OffscreenBuffer>(canvas_->dc(), Width(place), Height(place));
    if (savedBackground_->ok())
      BitBlt(savedBackground_->dc(), 0, 0, Width(place), Height(place), canvas_->dc(), place.left,
             place.top, SRCCOPY);
    else
      savedBackground_.reset();
  }
  RenderPicture(canvas_->dc(), frame.picture.get(), place);
  previousPlace_ = place;
  previousDisposal_ = frame.disposal;
}

void FrameCanvas::CopyTo(HDC target) const {
  if (ok()) canvas_->CopyTo(target, 0, 0);
}

}  // namespace brelfx
