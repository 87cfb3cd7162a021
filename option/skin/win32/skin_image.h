// Skin pictures: loading them by resource id, cutting a control's part out of
// a full-window picture, and the skin set of a page or dialog.
#pragma once

#include <windows.h>

#include "option/skin/skin_roles.h"
#include "platform/win32/handles.h"

namespace brelfx {

// A bitmap resource of the running program as a DIB section; empty when the
// resource is missing.
UniqueBitmap LoadSkinBitmap(int resourceId);

SIZE BitmapSize(HBITMAP bitmap);

// Makes `target` a new bitmap of the rectangle's size holding that part of
// `source`. Nothing happens without a source; an empty rectangle leaves
// `target` empty. `dc` picks the bitmap format (null: the screen's).
void CropSkinImage(HDC dc, UniqueBitmap& target, HBITMAP source, const RECT& rect);

// Copies `bitmap` into `dc` at (x, y) in its own size.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Copies the part of `bitmap` at `part` into `dc` at (x, y).
void DrawBitmapPart(HDC dc, HBITMAP bitmap, int x, int y, const RECT& part);

struct SkinSetIds {
  // 0: the window has no picture in this role. Without a shape the window
  // stays rectangular; a window shaped by its background gives that id here.
  int shape = 0;
  int normal = 0;
  int hover = 0;
  int pressed = 0;
  int extra = 0;
};

// The full-window pictures of one page or dialog, all of its size. Only the
// normal picture is decoded by Load; the others when first asked for (most
// are needed only once the mouse is over a control), each once.
class SkinSet {
 public:
  bool Load(const SkinSetIds& ids);

  // The picture of a role; a missing role reuses its stand-in
  // (SkinRoleStandIn), the shape none.
  HBITMAP Image(SkinRole role) const;
  SIZE Size() const { return BitmapSize(Image(SkinRole::kNormal)); }

 private:
  int ids_[5] = {};
  mutable UniqueBitmap images_[5];
  mutable bool decoded_[5] = {};
};

}  // namespace brelfx
