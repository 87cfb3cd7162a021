// A top-level owner for the controls under test: records what the controls
// send and post to it.
#pragma once

#include <windows.h>

#include <vector>

#include "option/skin/win32/offscreen.h"
#include "platform/win32/window.h"

namespace brelfx::testing {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class TestOwner : public Window {
 public:
  TestOwner();
  ~TestOwner() override { DestroyWindowNow(); }

  std::vector<Received> received;
  // Messages of this kind received so far.
  std::vector<Received> Of(UINT message) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Delivers the posted messages of this thread.
void Pump();

// A 32-bit top-down DIB section filled by `color(x, y)` (a COLORREF).
template <typename ColorOf>
HBITMAP MakeBitmap(int width, int height, ColorOf color) {
  void* bits = nullptr;
  HBITMAP bitmap = CreateDib32(width, height, &bits).release();
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = color(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  return bitmap;
}

// The colour of one pixel of a bitmap.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

}  // namespace brelfx::testing
