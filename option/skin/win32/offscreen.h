// Drawing helpers shared by the skinned windows: an off-screen bitmap that is
// copied to the screen in one step (no flicker), 32-bit DIB sections, and
// the toolkit's fonts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/handles.h"

namespace brelfx {

class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, int width, int height);
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;
  ~OffscreenBuffer();

  bool ok() const { return dc_ && bitmap_; }
  HDC dc() const { return dc_.get(); }
  // Copies the whole buffer to `target` at (x, y).
  void CopyTo(HDC target, int x, int y) const;

 private:
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
  int width_;
  int height_;
};

// WM_PAINT of a window that draws itself whole: an off-screen bitmap of the
// client size, cleared to black, filled by `draw`, copied to the screen once.
void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& draw);

// A 32-bit top-down DIB section: row y starts at bits + y * width.
UniqueBitmap CreateDib32(int width, int height, void** bits);

// One line of text, transparent, left-aligned at `rect.left + indent` and
// centred vertically; with `tmFont` a raised "TM" follows it, level with the
// text's top (trademarked product names in captions and menus).
void DrawLabel(HDC dc, const RECT& rect, int indent, const std::string& text, HFONT font,
               HFONT tmFont = nullptr);

// The keyboard focus mark of the skinned controls: a one-pixel frame in the
// skin's accent blue (the menus' selection colour), `inset` pixels inside `rect`.
inline constexpr COLORREF kFocusMarkColor = RGB(53, 160, 222);
void DrawFocusMark(HDC dc, const RECT& rect, int inset = 1);

// A font of the toolkit (normal weight unless given, default character set).
UniqueFont CreateSkinFont(const char* face, int height, int width = 0, int weight = FW_NORMAL);

}  // namespace brelfx
