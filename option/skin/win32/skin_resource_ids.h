// Resource ids of the toolkit's own pictures. Plain macros: resource scripts
// include this file too.
#pragma once

#define BRELFX_IDC_HAND 426                // hand cursor of buttons with the hand flag
#define BRELFX_IDI_SUBMENU_ARROW 145       // arrow of popup-menu items with a submenu
#define BRELFX_IDB_SLIDER_THUMB 252        // thumb of the page sliders
#define BRELFX_IDB_SLIDER_THUMB_SMALL 253  // thumb of the key repeat dialog's sliders
#define BRELFX_IDB_COLOR_MARKER 694    // marker over the colour spectrum (magenta is transparent)
#define BRELFX_IDB_COLOR_SPECTRUM 695  // the colour spectrum strip
