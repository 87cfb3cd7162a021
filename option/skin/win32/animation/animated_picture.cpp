// Frames are drawn on the GUI thread from a window timer rather than on a
// thread of their own: the canvas then has one user, painting can never see
// a half-drawn frame, and Stop() is over the moment it returns — nothing is
// left running that could touch a DC after it is freed.
#include "option/skin/win32/animation/animated_picture.h"

#include <vector>

#include "option/skin/animation/gif_frames.h"
#include "option/skin/win32/animation/frame_canvas.h"
#include "option/skin/win32/animation/loop_cache.h"
#include "platform/log.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {
namespace {

constexpr const char* kClassName = "BrelFX.AnimatedPicture";
constexpr UINT_PTR kFrameTimer = 1;
// While the control (or the page holding it) is hidden nothing is drawn; it
// looks every so often whether it is shown again.
constexpr UINT kHiddenPollMs = 250;
// Far more than any picture this control is meant for; a larger file is refused
// rather than read whole into memory.
constexpr DWORD kLargestFile = 16 * 1024 * 1024;

bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes) {
  UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFile) return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  return bytes.empty() ||
         (::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
          read == bytes.size());
}

class PictureWindow : public Window {
 public:
  ~PictureWindow() override { DestroyWindowNow(); }

  bool Create(HWND parent, int left, int top, int id) {
    if (!RegisterWindowClass(kClassName)) return false;
    return CreateWindowObject(0, kClassName, "", WS_CHILD, RECT{left, top, left + 1, top + 1},
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
  }

  bool Load(std::span<const std::uint8_t> bytes);
  void Clear();
  int Draw();
  void Stop();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        return OnPaint();
      case WM_ERASEBKGND:
        return TRUE;
      case WM_TIMER:
        return OnTimer(wParam);
      case WM_SHOWWINDOW:
        return OnShowWindow(wParam != 0);
      case WM_DESTROY:
        Stop();
        return 0;
      default:
        return Default(message, wParam, lParam);
    }
  }

 private:
  bool LoadStill(PicturePtr picture, SIZE size, COLORREF background);
  bool LoadFrames(CutGif& cut);
  void ShowCurrentFrame();
  void Present(HDC target) const;
  void ArmTimer(UINT delayMs);
  LRESULT OnPaint();
  LRESULT OnTimer(UINT_PTR timer);
  LRESULT OnShowWindow(bool shown);

  std::vector<AnimationFrame> frames_;  // one for a still picture
  FrameCanvas canvas_;
  LoopCache cache_;
  SIZE size_{};
  std::size_t current_ = 0;
  bool playing_ = false;
  bool restartWhenShown_ = false;
};

bool PictureWindow::Load(std::span<const std::uint8_t> bytes) {
  Clear();
  CutGif cut = CutGifFrames(bytes);
  bool loaded = false;
  switch (cut.layout) {
    case GifLayout::kNoImage:
      break;
    case GifLayout::kNotGif: {
      PicturePtr picture = LoadOlePicture(bytes);
      const SIZE size = picture ? PictureSizeOnScreen(picture.get()) : SIZE{};
      loaded = picture && LoadStill(std::move(picture), size, RGB(255, 255, 255));
      break;
    }
    case GifLayout::kSingleImage:
      loaded = LoadStill(LoadOlePicture(bytes), SIZE{cut.header.width, cut.header.height},
                         cut.header.background);
      break;
    case GifLayout::kAnimated:
      loaded = LoadFrames(cut);
      break;
  }
  if (!loaded) {
    Clear();
    return false;
  }
  SetWindowPos(hwnd(), nullptr, 0, 0, size_.cx, size_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool PictureWindow::LoadStill(PicturePtr picture, SIZE size, COLORREF background) {
  if (!picture || size.cx <= 0 || size.cy <= 0) return false;
  AnimationFrame still;
  still.picture = std::move(picture);
  still.place = RECT{0, 0, size.cx, size.cy};
  frames_.push_back(std::move(still));
  size_ = size;
  return canvas_.Create(size.cx, size.cy, background);
}

bool PictureWindow::LoadFrames(CutGif& cut) {
  int index = 0;
  for (GifFrame& cutFrame : cut.frames) {
    ++index;
    AnimationFrame frame;
    frame.picture = LoadOlePicture(cutFrame.image);
    if (!frame.picture) {
      DebugLog("CAnimatedPicture: frame %d does not load, skipped\n", index);
      continue;
    }
    frame.place = RECT{cutFrame.left, cutFrame.top, cutFrame.left + cutFrame.width,
                       cutFrame.top + cutFrame.height};
    frame.delayMs = FrameDelayMs(cutFrame.delay);
    frame.disposal = cutFrame.disposal;
    frames_.push_back(std::move(frame));
    cutFrame.image = {};  // the picture object holds its own copy
  }
  if (frames_.empty() || cut.header.width <= 0 || cut.header.height <= 0) return false;
  size_ = SIZE{cut.header.width, cut.header.height};
  cache_.Reset(frames_.size(), size_.cx, size_.cy);
  return canvas_.Create(size_.cx, size_.cy, cut.header.background);
}

void PictureWindow::Clear() {
  Stop();
  frames_.clear();
  canvas_.Release();
  cache_.Reset(0, 0, 0);
  size_ = SIZE{};
  current_ = 0;
  // Nothing to show: no stale pixels either.
  if (hwnd()) SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int PictureWindow::Draw() {
  if (!canvas_.ok()) return 0;
  if (frames_.size() > 1) {
    Stop();
    playing_ = true;
    current_ = 0;
    canvas_.Clear();
    ShowCurrentFrame();
    return 0;
  }
  canvas_.Clear();
  canvas_.ShowFrame(frames_.front());
  InvalidateRect(hwnd(), nullptr, FALSE);
  return 1;
}

void PictureWindow::Stop() {
  if (hwnd()) KillTimer(hwnd(), kFrameTimer);
  playing_ = false;
  restartWhenShown_ = false;
}

void PictureWindow::ShowCurrentFrame() {
  if (!cache_.Complete()) {
    canvas_.ShowFrame(frames_[current_]);
    cache_.Keep(current_, canvas_.dc());
  }
  // Straight to the screen: a WM_PAINT round per frame costs as much again.
  WindowDc dc(hwnd());
  Present(dc.get());
  ArmTimer(frames_[current_].delayMs);
}

void PictureWindow::Present(HDC target) const {
  if (cache_.Complete())
    cache_.CopyTo(current_, target);
  else
    canvas_.CopyTo(target);
}

void PictureWindow::ArmTimer(UINT delayMs) {
  // Re-arming replaces the previous period: every frame keeps its own delay.
  SetTimer(hwnd(), kFrameTimer, delayMs, nullptr);
}

LRESULT PictureWindow::OnTimer(UINT_PTR timer) {
  if (timer != kFrameTimer || !playing_) return 0;
  if (!IsWindowVisible(hwnd())) {
    // Nobody sees it: draw nothing, start the loop afresh once shown.
    restartWhenShown_ = true;
    ArmTimer(kHiddenPollMs);
    return 0;
  }
  if (restartWhenShown_ || ++current_ == frames_.size()) {
    restartWhenShown_ = false;
    current_ = 0;
    canvas_.Clear();
  }
  ShowCurrentFrame();
  return 0;
}

LRESULT PictureWindow::OnShowWindow(bool shown) {
  // Shown again: the next frame follows at once rather than after a poll.
  if (shown && playing_ && restartWhenShown_) ArmTimer(USER_TIMER_MINIMUM);
  return 0;
}

LRESULT PictureWindow::OnPaint() {
  PaintDc paint(hwnd());
  Present(paint.get());
  return 0;
}

}  // namespace

struct CAnimatedPicture::State {
  PictureWindow window;
};

CAnimatedPicture::CAnimatedPicture() : state_(std::make_unique<State>()) {}

CAnimatedPicture::~CAnimatedPicture() {
  Stop();
}

bool CAnimatedPicture::Create(HWND parent, int left, int top, int id) {
  return state_->window.Create(parent, left, top, id);
}

bool CAnimatedPicture::LoadFromFile(const std::wstring& path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) {
    DebugLog("CAnimatedPicture: cannot read the picture file (error %lu)\n", GetLastError());
    state_->window.Clear();
    return false;
  }
  return LoadFromMemory(bytes.data(), bytes.size());
}

bool CAnimatedPicture::LoadFromMemory(const void* data, std::size_t size) {
  if (!state_->window.hwnd()) return false;
  return state_->window.Load(std::span(static_cast<const std::uint8_t*>(data), data ? size : 0));
}

int CAnimatedPicture::Draw() {
  return state_->window.hwnd() ? state_->window.Draw() : 0;
}

void CAnimatedPicture::Stop() {
  state_->window.Stop();
}

HWND CAnimatedPicture::hwnd() const {
  return state_->window.hwnd();
}

}  // namespace brelfx
