// The two ways a page or dialog places a button from its layout string.
#pragma once

#include <windows.h>

#include "option/skin/layout_string.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_image.h"
#include "option/skin/win32/slider.h"

namespace brelfx {

RECT ToRect(const SkinRect& rect);

// The standard sequence: parse, create with id 0 at the parsed rectangle, cut
// the state images from the window's skin set (disabled from its extra
// picture), set the tooltip and, for switches, toggle mode.
LayoutItem PlaceSkinButton(HWND owner, CSkinButton& button, const char* layout, const SkinSet& skin,
                           bool toggle = false);

// For buttons with pictures of their own: the four bitmaps by resource id,
// the button at the string's (x, y) in the size of the disabled picture (the
// string's w and h do not count).
LayoutItem PlaceImageButton(HWND owner, CSkinButton& button, const char* layout, int normalId,
                            int hoverId, int pressedId, int disabledId, bool toggle);

// A page or dialog slider: the track cut from the window's normal picture,
// values 0 to `highest` with rounding on. False when the thumb bitmap is missing.
bool PlaceSlider(HWND owner, CclickHSlider& slider, const char* layout, int id, int thumbBitmapId,
                 int highest, const SkinSet& skin);

}  // namespace brelfx
