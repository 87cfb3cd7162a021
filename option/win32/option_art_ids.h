// Resource ids of the option application's pictures (option_art.rc).
// A skin set takes five consecutive ids: shape, normal, hover, pressed, extra.
#pragma once

#define BRELFX_IDI_OPTION 128
#define BRELFX_IDB_OPTION_MAIN 1000
#define BRELFX_IDB_OPTION_PAGE 1010
#define BRELFX_IDB_OPTION_UPDATE 1020
#define BRELFX_IDB_OPTION_WINDOWS_PROFILE 1040
#define BRELFX_IDB_OPTION_PROFILE_EDIT 1050
#define BRELFX_IDB_OPTION_LANGUAGES 1060
// The picture area beside the logo.
#define BRELFX_IDB_OPTION_PICTURE 427
// Language flags: first + 3 * language + state (0 normal, 1 hover, 2 pressed).
#define BRELFX_IDB_OPTION_FLAGS 1100
