// The pictures and fields of the key pages' dialogs: text fields in white on
// black and the seconds field of the timer dialogs, placed at their layout
// strings.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/skin_image.h"
#include "option/skin/win32/spin_edit.h"

namespace brelfx {

// The five pictures of a dialog whose ids start at `base` (option_art_ids.h).
constexpr SkinSetIds DialogSkin(int base) {
  return SkinSetIds{base, base + 1, base + 2, base + 3, base + 4};
}

void PlaceTextField(HWND owner, CBitmapEdit& field, const char* layout, std::size_t limit,
                    const std::string& text);

// A timer length field, 15-999 s, showing `seconds`.
void PlaceSecondsField(HWND owner, CSpinEdit& spin, const char* layout, const SkinSet& skin,
                       int seconds);

// The number the seconds field shows, as a length the timers allow.
int SecondsOf(CSpinEdit& spin);

}  // namespace brelfx
