// The colours of the dark skin: near-black steel with the blue accent of the
// popup menus.
#pragma once

#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kAccent = Rgb(53, 160, 222);  // menus' selection, 0xDEA035 as a COLORREF
inline constexpr Color kAccentBright = Rgb(68, 191, 255);  // the highlighted menu choice
inline constexpr Color kBackTop = Rgb(27, 31, 38);
inline constexpr Color kBackBottom = Rgb(11, 13, 17);
inline constexpr Color kMetalTop = Rgb(56, 62, 72);
inline constexpr Color kMetalBottom = Rgb(28, 31, 37);
inline constexpr Color kMetalShine = Rgb(86, 94, 106);
inline constexpr Color kEdge = Rgb(74, 82, 94);
inline constexpr Color kPanelEdge = Rgb(44, 49, 58);
inline constexpr Color kWell = Rgb(8, 9, 11);
inline constexpr Color kGlyph = Rgb(160, 170, 182);
inline constexpr Color kDisabledFill = Rgb(24, 26, 30);
inline constexpr Color kDisabledEdge = Rgb(48, 51, 57);
inline constexpr Color kWarn = Rgb(196, 74, 58);  // the sign on a blocked key
inline constexpr Color kCaption =
    Rgb(224, 224, 224);  // button captions, 0xE0E0E0 as the toolkit draws them

}  // namespace brelfx::painter
