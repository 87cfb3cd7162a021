// Where the skin gallery puts its controls. The gallery, its skin recipe
// (assets/skins/gallery.skin) and the end-to-end driver all use these literals.
#pragma once

namespace brelfx::gallery {

inline constexpr const char* kTitle = "BrelFX Skin Gallery";
inline constexpr const char* kTraceOption = "--trace";

// Skin set resource ids of the gallery window.
inline constexpr int kSkinShape = 900, kSkinNormal = 901, kSkinHover = 902, kSkinPressed = 903,
                     kSkinExtra = 904;

inline constexpr const char* kClose = "BUTTON_EXIT,566,8,24,22,Close the gallery";
inline constexpr const char* kPush = "Push,32,74,112,26,A push button with a caption";
inline constexpr const char* kDisabled = "Disabled,160,74,112,26,A disabled button";
inline constexpr const char* kToggleLighting =
    "Lighting,32,112,240,20,A switch: click to turn it on or off";
inline constexpr const char* kToggleBreathing =
    "Breathing,32,138,240,20,Another switch; on from the start";
inline constexpr const char* kEffect = "Effect,32,172,150,24,Open the effect menu";
inline constexpr const char* kSwatches[3] = {
    "Swatch red,200,173,22,22,Red",
    "Swatch green,226,173,22,22,Green",
    "Swatch blue,252,173,22,22,Blue",
};
inline constexpr const char* kTextEdit = "Name,380,78,188,18,Type any text";
inline constexpr const char* kSlider =
    "Brightness,380,112,190,20,Drag the thumb or click the track";
inline constexpr const char* kSpin = "Red,380,148,50,18,A number from 0 to 255";
inline constexpr const char* kSignedEdit = "Offset,488,148,80,18,Digits and signs only";
inline constexpr const char* kPicker = "Custom Color Window,32,262,176,28,";
inline constexpr const char* kPicked = "Picked,222,265,22,22,The picked colour";

inline constexpr int kSliderId = 200;
inline constexpr int kSpinId = 500;
inline constexpr int kSignedEditId = 4010;
inline constexpr int kTextEditId = 4011;
inline constexpr int kPickerId = 600;

// Hover indices reported with WM_CONTROL_HOVER.
inline constexpr int kPushHover = 101;

// The effect menu.
inline constexpr unsigned kMenuStatic = 1101, kMenuBreathing = 1102, kMenuFlow = 1103;
inline constexpr unsigned kMenuSlow = 1201, kMenuNormal = 1202, kMenuFast = 1203;

}  // namespace brelfx::gallery
