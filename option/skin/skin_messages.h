// Messages the skinned controls post to their owners and to the main window.
// Values are fixed: pages and dialogs of every program handle them by number.
#pragma once

namespace brelfx {

inline constexpr unsigned kSkinWmUser = 0x0400;

inline constexpr unsigned WM_SLIDER_POS = kSkinWmUser + 70;    // wParam value, lParam slider id
inline constexpr unsigned WM_SPIN_VALUE = kSkinWmUser + 90;    // wParam value, lParam spin id
inline constexpr unsigned WM_EDIT_NOTIFY = kSkinWmUser + 92;   // wParam 0 changed, 13 Enter released
inline constexpr unsigned WM_COLOR_PICKED = kSkinWmUser + 95;  // wParam 0, lParam 0
inline constexpr unsigned WM_CONTROL_HOVER =
    kSkinWmUser + 100;  // wParam 1 entered / 0 left, lParam hover index
inline constexpr unsigned WM_HELP_TEXT = kSkinWmUser + 101;  // wParam 1 show / 0 hover ended
// A page changed a profile's lighting colours: the main window repaints the slot swatches.
inline constexpr unsigned WM_PROFILE_COLORS = kSkinWmUser + 110;

inline constexpr unsigned kEditNotifyChanged = 0;
inline constexpr unsigned kEditNotifyEnter = 13;
// Escape released in the field (a field outside a dialog; in a dialog
// Escape cancels the dialog).
inline constexpr unsigned kEditNotifyEscape = 27;

// Registered by name at start-up; only the first is ever posted.
inline constexpr const char* kBitmapEditKillFocusName = "BitmapEdit_KillFocus";
inline constexpr const char* kBitmapEditChangeName = "BitmapEdit_Change";

static_assert(WM_SLIDER_POS == 1094 && WM_SPIN_VALUE == 1114 && WM_EDIT_NOTIFY == 1116 &&
              WM_COLOR_PICKED == 1119 && WM_CONTROL_HOVER == 1124 && WM_HELP_TEXT == 1125 &&
              WM_PROFILE_COLORS == 1134);

}  // namespace brelfx
