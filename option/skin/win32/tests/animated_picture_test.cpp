// The animated picture control in a shown window: what reaches the screen,
// frame by frame, and that Stop() leaves nothing behind that still draws.
#include "option/skin/win32/animation/animated_picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "option/skin/win32/tests/test_pictures.h"
#include "option/skin/win32/tests/test_window.h"
#include "platform/win32/handles.h"

namespace brelfx {
namespace {

using testing::TestOwner;

constexpr COLORREF kRed = RGB(255, 0, 0), kLime = RGB(0, 255, 0), kBlack = RGB(0, 0, 0);

SIZE SizeOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// What the screen shows at a point of the window.
COLORREF ScreenPixel(HWND window, int x, int y) {
  WindowDc dc(window);
  return GetPixel(dc.get(), x, y);
}

// Delivers messages until `done` holds or `limitMs` has passed.
bool PumpUntil(const std::function<bool()>& done, int limitMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (done()) return true;
    Sleep(5);
  }
  return done();
}

bool TimerPendingFor(HWND window, int waitMs) {
  Sleep(waitMs);
  MSG msg;
  return PeekMessageA(&msg, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) != 0;
}

std::wstring WriteTempFile(const void* data, std::size_t size) {
  wchar_t folder[MAX_PATH], path[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"gif", 0, path);
  FILE* file = _wfopen(path, L"wb");
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  return path;
}

class AnimatedPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(picture.Create(owner.hwnd(), 10, 20, 7));
    ShowWindow(owner.hwnd(), SW_SHOWNA);
    ShowWindow(picture.hwnd(), SW_SHOWNA);
  }

  template <std::size_t N>
  bool Load(const std::uint8_t (&bytes)[N]) {
    return picture.LoadFromMemory(bytes, N);
  }

  TestOwner owner;
  CAnimatedPicture picture;
};

TEST_F(AnimatedPicture, SingleImageGifIsShownStillAndNeverTimed) {
  ASSERT_TRUE(Load(testing::kSingleGif));
  EXPECT_EQ(SizeOf(picture.hwnd()).cx, 8);
  EXPECT_EQ(SizeOf(picture.hwnd()).cy, 6);
  EXPECT_EQ(GetDlgCtrlID(picture.hwnd()), 7);

  EXPECT_EQ(picture.Draw(), 1);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(picture.hwnd(), 3, 3) == kRed; }, 1000));
  EXPECT_FALSE(TimerPendingFor(picture.hwnd(), 250));
}

TEST_F(AnimatedPicture, JpegIsStillAndSizedFromItsPhysicalSize) {
  const std::wstring path = WriteTempFile(testing::kJpeg, sizeof testing::kJpeg);
  ASSERT_TRUE(picture.LoadFromFile(path));
  DeleteFileW(path.c_str());

  // Half an inch by a third at 96 dpi, whatever the screen's resolution.
  WindowDc screen(nullptr);
  EXPECT_EQ(SizeOf(picture.hwnd()).cx, MulDiv(GetDeviceCaps(screen.get(), LOGPIXELSX), 1, 2));
  EXPECT_EQ(SizeOf(picture.hwnd()).cy, MulDiv(GetDeviceCaps(screen.get(), LOGPIXELSY), 1, 3));
  EXPECT_EQ(picture.Draw(), 1);
  EXPECT_FALSE(TimerPendingFor(picture.hwnd(), 150));
}

TEST_F(AnimatedPicture, AnimatedGifPlaysItsFramesAndStopEndsItAtOnce) {
  const std::wstring path = WriteTempFile(testing::kDisposingGif, sizeof testing::kDisposingGif);
  ASSERT_TRUE(picture.LoadFromFile(path));
  DeleteFileW(path.c_str());
  EXPECT_EQ(SizeOf(picture.hwnd()).cx, 8);
  ASSERT_EQ(picture.Draw(), 0);

  auto shows = [&](COLORREF left, COLORREF right) {
    return [=, this] {
      return ScreenPixel(picture.hwnd(), 1, 1) == left &&
             ScreenPixel(picture.hwnd(), 6, 1) == right;
    };
  };
  // The red frame; then it is disposed of to the background and the lime
  // frame covers the right half; then the loop starts again.
  EXPECT_TRUE(PumpUntil(shows(kRed, kRed), 1000));
  EXPECT_TRUE(PumpUntil(shows(kBlack, kLime), 1000));
  EXPECT_TRUE(PumpUntil(shows(kRed, kRed), 1000));

  picture.Stop();
  const COLORREF left = ScreenPixel(picture.hwnd(), 1, 1);
  EXPECT_FALSE(TimerPendingFor(picture.hwnd(), 300));
  EXPECT_FALSE(PumpUntil([&] { return ScreenPixel(picture.hwnd(), 1, 1) != left; }, 300));

  // Playing again after a stop starts from the first frame.
  ASSERT_EQ(picture.Draw(), 0);
  EXPECT_TRUE(PumpUntil(shows(kRed, kRed), 1000));
}

TEST_F(AnimatedPicture, AHiddenAnimationPlaysOnceShown) {
  // The Trovi page starts its animations hidden and shows one of them.
  ShowWindow(picture.hwnd(), SW_HIDE);
  ASSERT_TRUE(Load(testing::kDisposingGif));
  ASSERT_EQ(picture.Draw(), 0);
  PumpUntil([] { return false; }, 300);
  ShowWindow(picture.hwnd(), SW_SHOWNA);
  EXPECT_TRUE(PumpUntil(
      [&] {
        return ScreenPixel(picture.hwnd(), 1, 1) == kBlack &&
               ScreenPixel(picture.hwnd(), 6, 1) == kLime;
      },
      1000));
}

TEST_F(AnimatedPicture, NothingLoadableFailsAndClearsWhatWasShown) {
  ASSERT_TRUE(Load(testing::kDisposingGif));
  ASSERT_EQ(picture.Draw(), 0);

  const std::uint8_t headerOnly[] = {'G', 'I', 'F', '8', '9', 'a', 8, 0, 6, 0, 0, 0, 0, 0x3B};
  EXPECT_FALSE(Load(headerOnly));
  EXPECT_EQ(SizeOf(picture.hwnd()).cx, 0);
  EXPECT_EQ(picture.Draw(), 0);
  EXPECT_FALSE(TimerPendingFor(picture.hwnd(), 250));

  const std::uint8_t notAPicture[] = "neither GIF nor JPEG";
  EXPECT_FALSE(Load(notAPicture));
  EXPECT_FALSE(picture.LoadFromMemory(nullptr, 0));
  EXPECT_FALSE(picture.LoadFromFile(L"C:\\no such folder\\01.gif"));
}

}  // namespace
}  // namespace brelfx
