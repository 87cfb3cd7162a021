// The monitor's own window messages, commands, thread messages and device
// jobs, and the names other device software knows it by.
#pragma once

#include <cstdint>

#include "platform/window_messenger.h"

namespace brelfx {

// System messages the portable logic posts (values of <windows.h>).
constexpr unsigned int kWmClose = 0x0010;
constexpr unsigned int kWmCommand = 0x0111;
// Posting to this window reaches every top-level window (HWND_BROADCAST).
constexpr WindowId kBroadcastWindow = 0xFFFF;

// Commands of the tray menu, also posted by device events, Talk and a second
// instance.
constexpr unsigned int ID_CONFIGURATION = 6001;
constexpr unsigned int ID_EXIT = 6002;

// The tray icon's callback; lParam is the mouse message.
constexpr unsigned int WM_TRAY_NOTIFY = 1036;
// The library's third message number, which carries nothing.
constexpr unsigned int WM_DEVICE_SPARE = 1327;
// Commands from a Talk hub.
constexpr unsigned int WM_TALK_STATUS = 2025;

// Thread messages of the player and worker threads.
constexpr unsigned int WM_PLAY_MACRO = 1648;
constexpr unsigned int WM_DEVICE_JOB = 1649;

// Device jobs (wParam of WM_DEVICE_JOB).
constexpr int kJobFullSync = 2;       // value 0: read everything back unless in step
constexpr int kJobSwitchProfile = 3;  // value 0: select CurrentProfile on the keyboard
constexpr int kJobLiveRecording = 4;  // value: low 16 bits of the recording event

// wParam of WM_APPLY_SETTINGS that restores the keyboard's defaults; any
// other value sends the changes.
constexpr std::uintptr_t kApplyRestoreDefaults = 1;

// Intervals of the lifecycle's window timers.
constexpr int kFirstSyncDelayMs = 200;    // timer 502 after start-up
constexpr int kForegroundWatchMs = 2000;  // timer 500 while the keyboard is open

// The tray icon.
constexpr unsigned int kTrayIconId = 102;
constexpr char kTrayTip[] = "Tarvek Brel FX";

// Messages registered by name at program load, shared with the Talk hub and
// the other device programs. Only the ambient-light request and
// "WM_TALK_MSG" are handled or sent.
constexpr const char* kTalkMessageNames[] = {"WM_TALK_ACTIVE_STATUS_FROM_TALK",
                                             "WM_TALK_ACTIVE_STATUS_TO_TALK",
                                             "WM_TALK_MONITOR_STATUS_CHANGE",
                                             "WM_TALK_AMBIENT_EVENT_LIGHT_FROM_TALK",
                                             "WM_TALK_DEVICE_STATUS_CHANGE_TO_TALKMONITOR",
                                             "WM_TALK_MSG"};
constexpr char kTalkAmbientLightMessage[] = "WM_TALK_AMBIENT_EVENT_LIGHT_FROM_TALK";
constexpr char kTalkMessage[] = "WM_TALK_MSG";
// wParam of the "WM_TALK_MSG" broadcast at start-up; lParam is the window.
constexpr std::uintptr_t kTalkMonitorStarted = 11;

// Programs in the program folder the monitor opens.
constexpr char kOptionProgram[] = "BrelFXOption.exe";
constexpr char kOsdProgram[] = "BrelOSD.exe";
// The firmware upgrade program and the description of the firmware it
// carries, in this folder of the program folder.
constexpr char kFirmwareFolder[] = "FWUpdate";
constexpr char kFirmwareUpgradeProgram[] = "BrelFX Firmware Upgrade.exe";
constexpr char kPackagedFirmwareFile[] = "config.ini";

// The on-screen display program's main window, and the message that hands
// it the two display values of the OSD settings after an apply.
constexpr char kOsdWindowTitle[] = "Tarvek Brel FX Keyboard OSD";
constexpr unsigned int WM_OSD_DISPLAY_VALUES = 1326;
// Every window of the on-screen display program, closed in this order when
// the monitor ends.
constexpr const char* kOsdWindowTitles[] = {kOsdWindowTitle, "Tarvek Brel FX Keyboard Pop3",
                                            "Tarvek Brel FX Keyboard CPU RAM",
                                            "Tarvek Brel FX Keyboard OSD SKYPE"};

}  // namespace brelfx
