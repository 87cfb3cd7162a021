// The skin sets of the macro editor's views (option_art.rc).
#pragma once

#include "option/skin/win32/skin_image.h"
#include "option/win32/option_art_ids.h"

namespace brelfx {

// The views are children of the manager: rectangles, no shape picture.
inline SkinSetIds MacroEditorSkinAt(int base) {
  return {0, base + BRELFX_SKIN_NORMAL, base + BRELFX_SKIN_HOVER, base + BRELFX_SKIN_PRESSED,
          base + BRELFX_SKIN_EXTRA};
}
inline SkinSetIds MacroListEditorSkin() {
  return MacroEditorSkinAt(BRELFX_IDB_MACRO_LIST_EDITOR);
}
inline SkinSetIds MacroTimelineSkin() {
  return MacroEditorSkinAt(BRELFX_IDB_MACRO_TIMELINE);
}
// The record button while it records, in the button's size.
inline SkinSetIds MacroRecordingSkin() {
  return MacroEditorSkinAt(BRELFX_IDB_MACRO_RECORDING);
}
// A timeline bar: its pressed picture is the lit bar.
inline SkinSetIds MacroBarSkin() {
  return MacroEditorSkinAt(BRELFX_IDB_MACRO_BAR);
}

}  // namespace brelfx
