// Where the skin gallery puts its controls. The gallery, its skin recipe
// (assets/skins/gallery.skin) and the end-to-end driver all use these literals.
#pragma once

namespace brelfx::gallery {

inline constexpr const char* kTitle = "BrelFX Skin Gallery";
inline constexpr const char* kTraceOption = "--trace";

// Skin set resource ids of the gallery window.
inline constexpr int kSkinShape = 900, kSkinNormal = 901, kSkinHover = 902, kSkinPressed = 903,
                     kSkinExtra = 904;
// The demo dialogs, popup list and picture: shape, normal, hover, pressed,
// extra from these first ids on.
inline constexpr int kConfirmSkin = 910, kNoticeSkin = 920, kPopupSkin = 930, kPictureSkin = 940;

inline constexpr const char* kClose = "BUTTON_EXIT,806,8,24,22,Close the gallery";
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

// Lists, dialogs and pictures.
inline constexpr const char* kList = "Macros,32,342,172,114,Right-click a row for its menu";
inline constexpr const char* kRename = "Rename,212,342,68,24,Rename the selected row in place";
inline constexpr const char* kAdd = "Add,212,372,68,24,Add a row and name it";
inline constexpr const char* kConfirm = "Confirm,324,342,112,24,Open a confirmation";
inline constexpr const char* kNotice = "Notice,324,372,112,24,Open a notice";
inline constexpr const char* kLanguage = "Language,324,402,112,24,Open the language list";
inline constexpr const char* kPicture = "Picture,451,342,120,72,";
inline constexpr const char* kShowPicture = "Show,452,424,58,20,Show or hide the picture";
inline constexpr const char* kLitPicture = "Lit,514,424,58,20,Swap the picture for its lit one";
// Four of the Trovi page's level animations (Gif\NN.gif beside the gallery)
// at these top-left corners, and the switch that plays or stops them.
inline constexpr int kAnimationCount = 4;
inline constexpr int kAnimationLeft = 602, kAnimationTops[kAnimationCount] = {80, 130, 180, 230};
inline constexpr int kAnimationLevels[kAnimationCount] = {1, 5, 9, 16};
inline constexpr const char* kPlay = "Play,628,560,168,20,Play or stop the animations";

// The dialogs' buttons, as in assets/skins/gallery_confirm.skin and
// gallery_notice.skin (their wording is in the pictures).
inline constexpr const char* kDialogOkButton = "BUTTON_OK,96,118,72,26,";
inline constexpr const char* kDialogCancelButton = "BUTTON_CANCEL,184,118,100,26,";
inline constexpr const char* kDialogExitButton = "BUTTON_EXIT,328,4,24,22,";
inline constexpr const char* kNoticeOkButton = "BUTTON_OK,144,118,72,26,";

// The language list opens with its left edge at the button's and its top
// this far above the button's top.
inline constexpr int kLanguageListRise = 289;
inline constexpr const char* kLanguageItems[17] = {
    "L1,3,17,93,13,",   "L2,3,34,93,13,",   "L3,3,50,93,13,",   "L4,3,66,93,13,",
    "L5,3,82,93,13,",   "L6,3,98,93,13,",   "L7,3,114,93,13,",  "L8,3,130,93,13,",
    "L9,3,146,93,13,",  "L10,3,162,93,13,", "L11,3,178,93,13,", "L12,3,194,93,13,",
    "L13,3,210,93,13,", "L14,3,226,93,13,", "L15,3,242,93,13,", "L16,3,258,93,13,",
    "L17,3,274,93,13,"};

// The list's context menu.
inline constexpr unsigned kMenuRename = 1301, kMenuDelete = 1302;

inline constexpr int kSliderId = 200;
inline constexpr int kSpinId = 500;
inline constexpr int kSignedEditId = 4010;
inline constexpr int kTextEditId = 4011;
inline constexpr int kPickerId = 600;
inline constexpr int kListId = 4096;

// Hover indices reported with WM_CONTROL_HOVER.
inline constexpr int kPushHover = 101;

// The effect menu.
inline constexpr unsigned kMenuStatic = 1101, kMenuBreathing = 1102, kMenuFlow = 1103;
inline constexpr unsigned kMenuSlow = 1201, kMenuNormal = 1202, kMenuFast = 1203;

}  // namespace brelfx::gallery
