// Resource ids of BrelOSD's pictures (osd_art.rc), painted at build time
// from assets/skins/osd_*.skin. Plain macros: the resource script includes
// this file too. Skin sets: shape, normal, hover, pressed, extra at base + 0
// ... base + 4.
#pragma once

#define BRELFX_IDI_OSD 128
#define BRELFX_IDB_OSD_PROFILE 3300     // profile notice, 300 x 84
#define BRELFX_IDB_OSD_BRIGHTNESS 3310  // brightness notice, 300 x 84
