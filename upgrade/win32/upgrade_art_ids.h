// Resource ids of the firmware upgrade program's pictures (upgrade_art.rc),
// painted at build time from assets/skins/upgrade_*.skin. Plain macros: the
// resource script includes this file too. Skin sets: shape, normal, hover,
// pressed, extra at base + 0 ... base + 4.
#pragma once

#define BRELFX_UPGRADE_SHAPE 0
#define BRELFX_UPGRADE_NORMAL 1
#define BRELFX_UPGRADE_HOVER 2
#define BRELFX_UPGRADE_PRESSED 3
#define BRELFX_UPGRADE_EXTRA 4

#define BRELFX_IDI_UPGRADE 128             // window icon
#define BRELFX_IDB_UPGRADE_MAIN 4000       // main window, 525 x 291
#define BRELFX_IDB_DRIVER_UPDATE 4010      // driver-update panel, 305 x 215
#define BRELFX_IDB_UPGRADE_QUESTION 4020   // the question before an update
#define BRELFX_IDB_UPGRADE_SUCCESS 4030    // success panel
#define BRELFX_IDB_UPGRADE_FAILURE 4040    // failure panel
#define BRELFX_IDB_UPGRADE_TOO_LARGE 4050  // failure panel for an oversized image
