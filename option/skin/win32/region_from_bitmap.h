// Window shapes: a region made of the non-transparent pixels of a picture.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"

namespace brelfx {

// The region of `bitmap`'s pixels that are not within `tolerance` above
// `key` (a COLORREF). Empty (no region) when no device context or DIB section
// can be made; an all-transparent picture gives an empty region.
UniqueRegion RegionFromBitmap(HBITMAP bitmap, COLORREF key, int tolerance);

// Shapes `window` by the pure white pixels of `shape`; a window whose shape
// yields no region, or an empty one, keeps its rectangle.
void ShapeWindow(HWND window, HBITMAP shape);

}  // namespace brelfx
