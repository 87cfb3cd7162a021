// Resource ids of the option application's pictures (option_art.rc), painted
// at build time from assets/skins/option_*.skin and the language recipes.
// Plain macros: the resource script includes this file too. Fixed by the
// program's windows: 128, 292, 427; the hand cursor 426 comes with the skin
// toolkit's resources. Everything else lies in 3000-3199, the key pages'
// pictures in 3200-3299, the macro manager's in 3260-3299
// (its dialog) and 3300-3339 (its editor views).
#pragma once

#define BRELFX_IDI_OPTION 128        // big and small window icon
#define BRELFX_IDB_HELP_AREA 292     // background of the help area, 529 x 20
#define BRELFX_IDB_PICTURE_AREA 427  // picture area, 171 x 45, shown while MouseType is 1

// Skin sets: shape, normal, hover, pressed, extra at base + 0 ... base + 4.
#define BRELFX_SKIN_SHAPE 0
#define BRELFX_SKIN_NORMAL 1
#define BRELFX_SKIN_HOVER 2
#define BRELFX_SKIN_PRESSED 3
#define BRELFX_SKIN_EXTRA 4
#define BRELFX_IDB_MAIN 3000             // main window, 800 x 600
#define BRELFX_IDB_CONFIRM_WINDOWS 3010  // windows-profile confirmation, 310 x 240
#define BRELFX_IDB_PROFILE_EDIT 3020     // profile edit dialog, 525 x 356
#define BRELFX_IDB_UPDATE_PAGE 3030      // Update page, 774 x 312
#define BRELFX_IDB_LANGUAGE_LIST 3040    // language popup, 100 x 289
#define BRELFX_IDB_PAGE 3060             // background of a page, 774 x 312
#define BRELFX_IDB_APPLY_PROGRESS 3070   // Apply's progress bar, 529 x 20
// The dialogs of the key pages' function menus.
#define BRELFX_IDB_CREATE_TIMER 3160  // create timer, 525 x 356
#define BRELFX_IDB_TIMER_EDITOR 3165  // timer editor, 525 x 356
#define BRELFX_IDB_DELETE_TIMER 3170  // delete-timer confirmation, 305 x 206
#define BRELFX_IDB_SHORTCUT 3175      // shortcut, 460 x 206
#define BRELFX_IDB_QUICK_LAUNCH 3180  // quick launch, 305 x 245
#define BRELFX_IDB_ADVANCED_PAGE 3185    // Advanced page, 774 x 312
#define BRELFX_IDB_KEY_REPEAT 3190       // key repeat dialog, 460 x 280
#define BRELFX_IDB_CONFIRM_RESET 3195    // reset confirmation, 310 x 240

// The lit windows-profile marker, 22 x 22, for the image-button placement:
// normal, hover, pressed, disabled. The off marker is cut from the main skin.
#define BRELFX_IDB_MARKER_ON_NORMAL 3050
#define BRELFX_IDB_MARKER_ON_HOVER 3051
#define BRELFX_IDB_MARKER_ON_PRESSED 3052
#define BRELFX_IDB_MARKER_ON_DISABLED 3053

// The language button's flags, 32 x 17: base + QuickHelpLan index (0-16).
#define BRELFX_IDB_FLAG_NORMAL 3100
#define BRELFX_IDB_FLAG_HOVER 3120
#define BRELFX_IDB_FLAG_PRESSED 3140

// The key pages (Main, Zonix, Media F), 774 x 312 skin sets without a shape,
// and the second skin of their function buttons, 140 x 18.
#define BRELFX_IDB_KEY_MAIN 3200
#define BRELFX_IDB_KEY_ZONIX 3205
#define BRELFX_IDB_KEY_MEDIA 3210
#define BRELFX_IDB_KEY_BLOCKED 3215
// The Main page's Vexa key pictures, 174 x 53: base + Vexa key position 0-9.
#define BRELFX_IDB_VEXA_KEY 3220
// The Main page's layer tabs, 69 x 21: base + row (0-8 standard, 9-17 Vexa).
#define BRELFX_IDB_LAYER_TAB 3240

// The macro manager and its small dialogs (skin sets).
#define BRELFX_IDB_MACRO_MANAGER 3260  // the macro manager, 720 x 466
#define BRELFX_IDB_MACRO_SWITCH 3265  // its view switch while the timeline shows, 197 x 25 (no shape)
#define BRELFX_IDB_MACRO_SET_NAME 3270  // the new set's name, 305 x 215
#define BRELFX_IDB_DELETE_MACRO_SET 3275  // delete-set confirmation, 305 x 215
#define BRELFX_IDB_DELETE_MACRO 3280  // delete-macro confirmation, 305 x 215
#define BRELFX_IDB_SELECT_MACRO 3285  // notice: a macro to delete, 305 x 215
#define BRELFX_IDB_NO_MACRO_SET 3290  // notice: no set chosen, 305 x 215
#define BRELFX_IDB_NO_MACRO 3295  // notice: no macro selected, 305 x 215

// The macro manager's editor views, 490 x 365 skin sets without a shape, and
// the record button while recording, 133 x 23.
#define BRELFX_IDB_MACRO_LIST_EDITOR 3300
#define BRELFX_IDB_MACRO_TIMELINE 3305
#define BRELFX_IDB_MACRO_RECORDING 3310
// A bar of the timeline, 49 x 14 (the pressed picture is the lit bar).
#define BRELFX_IDB_MACRO_BAR 3315
