// String ids of the help libraries (help\<Language>_help.dll): the text each
// control shows in the help area, read with LoadStringW. The texts live in
// assets/help/<Language>.tsv.
#pragma once

namespace brelfx::help_ids {

// Main window.
inline constexpr unsigned kMinimize = 1001, kExit = 1002;
inline constexpr unsigned kTabMain = 1003, kTabZonix = 1033, kTabMedia = 1039,
                          kTabAdvanced = 1043, kTabTrovi = 1072, kTabUpdate = 1058;
inline constexpr unsigned kCreate = 1013, kLoad = 1014, kSave = 1015, kEdit = 1016;
inline constexpr unsigned kSlotButton1 = 1017;  // slots 1-5: 1017-1021
inline constexpr unsigned kSlotName1 = 1022;    // slots 1-5: 1022-1026
inline constexpr unsigned kWindowsProfileOff = 1027, kWindowsProfileOn = 1028;
inline constexpr unsigned kOk = 1029, kApply = 1030, kCancel = 1031;

// Key pages (Main, Zonix, Media F).
inline constexpr unsigned kFunctionButton = 1084, kMacroManager = 1085, kSelectPlayer = 1086;

// Advanced page. Its range 1048-1071 holds the Update tab's 1058 too, so no
// control of the page uses 1058. The hidden switches have no text.
inline constexpr unsigned kLightSwitch = 1048, kBreathing = 1049, kBrightness = 1050;
inline constexpr unsigned kSingleColor = 1051, kCustomColor = 1052, kFlowColor = 1053;
inline constexpr unsigned kPaletteSwatch = 1054, kCustomColorChip = 1055, kColorValue = 1056,
                          kColorSpectrum = 1057;
inline constexpr unsigned kDimmer = 1059, kTimeOut = 1060;
inline constexpr unsigned kSoundLiveRecording = 1061, kSoundProfileSwitch = 1062,
                          kSoundTrophy = 1063, kSoundVolume = 1064;
inline constexpr unsigned kKeyTab = 1065, kKeyLeftWindows = 1066, kKeyRightWindows = 1067,
                          kKeyApplication = 1068, kKeyLeftShift = 1069;
inline constexpr unsigned kReset = 1070, kKeyRepeat = 1071;

// Trovi page: tooltips, then captions.
inline constexpr unsigned kPreviousStatistics = 1073, kNextStatistics = 1074,
                          kPreviousTrophy = 1075, kNextTrophy = 1076, kShareTrophy = 1077,
                          kResetCounters = 1078;
inline constexpr unsigned kShareCaption = 1079, kResetCaption = 1080;
inline constexpr unsigned kTotalsTitle = 1081, kPerHourTitle = 1082, kPerDayTitle = 1083;

}  // namespace brelfx::help_ids
