// The command ids of the key pages' function menus. The menus and the
// command handler must agree on them; the id ranges carry positions.
#pragma once

namespace brelfx::function_id {

inline constexpr unsigned kCreateTimer = 500;
inline constexpr unsigned kEditTimers = 501;
inline constexpr unsigned kStopTimer = 502;
inline constexpr unsigned kFirstTimer = 505;  // + timer position
inline constexpr int kMaxTimers = 50;         // 505-554

inline constexpr unsigned kStandard = 1001;
inline constexpr unsigned kOwnVexa = 1002;
inline constexpr unsigned kMacroPlayPause = 1003;
inline constexpr unsigned kShortcut = 1005;
inline constexpr unsigned kEMail = 1006;  // 1006-1009 applications
inline constexpr unsigned kQuickLaunch = 1010;
inline constexpr unsigned kDisabled = 1011;
inline constexpr unsigned kProfileCycle = 1020;
inline constexpr unsigned kProfileUp = 1021;
inline constexpr unsigned kProfileDown = 1022;
inline constexpr unsigned kProfile1 = 1023;  // 1023-1027
inline constexpr unsigned kMute = 1030;
inline constexpr unsigned kVolumeUp = 1031;
inline constexpr unsigned kVolumeDown = 1032;
inline constexpr unsigned kOpenPlayer = 1033;
inline constexpr unsigned kPreviousTrack = 1034;
inline constexpr unsigned kNextTrack = 1035;
inline constexpr unsigned kPlayPause = 1036;
inline constexpr unsigned kStop = 1037;
inline constexpr unsigned kWwwSearch = 1040;  // 1040-1046
inline constexpr unsigned kShutDown = 1047;   // 1047-1049
inline constexpr unsigned kOpenDriver = 1060;

inline constexpr unsigned kCreateMacro = 1099;
inline constexpr unsigned kFirstMacro = 1100;  // + 100 x set + macro
inline constexpr int kMaxMacroSets = 100;
inline constexpr int kMaxMacrosPerSet = 100;
inline constexpr unsigned kEditMacroSet = 11100;  // + set position

inline constexpr unsigned kVexaAllDevices = 11200;  // device n: 11200 + 10 n + function
inline constexpr int kMaxTalkDevices = 20;
inline constexpr unsigned kLastDeviceCommand = kVexaAllDevices + 10 * kMaxTalkDevices + 9;

}  // namespace brelfx::function_id
