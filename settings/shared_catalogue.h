// What the option application, the monitor and the firmware upgrade program
// agree on to find and talk to each other: the private window messages, the
// names of the shared section and mutexes, and the window titles.
#pragma once

namespace brelfx {

// Plain window messages in the WM_USER range (WM_USER is 1024).
constexpr unsigned int kWmUser = 1024;

// Option application → monitor, with SendMessage (the call returns once the
// monitor has handled it).
// wParam 0: send what the change area of the shared block marks to the
// keyboard; wParam 1: restore the keyboard's defaults.
constexpr unsigned int WM_APPLY_SETTINGS = kWmUser + 200;  // 1224
// The shared block carries new InfoData (counters reset on the Trovi page).
constexpr unsigned int WM_INFODATA_CHANGED = kWmUser + 209;  // 1233

// Reload requests the monitor still answers although none of our programs
// sends them (all return 0).
constexpr unsigned int WM_RELOAD_SETTINGS_A = kWmUser + 202;  // 1226: take the shared block
constexpr unsigned int WM_RELOAD_KEY_REPEAT = kWmUser + 203;  // 1227: take it, apply key repeat
constexpr unsigned int WM_RELOAD_SETTINGS_B = kWmUser + 207;  // 1231: take the shared block
constexpr unsigned int WM_RELOAD_IGNORED_A = kWmUser + 208;   // 1232: no action
constexpr unsigned int WM_RELOAD_IGNORED_B = kWmUser + 250;   // 1274: no action

// Monitor → option application, with PostMessage (wParam 0, lParam 0), only
// when the option window exists.
constexpr unsigned int WM_SETTINGS_RELOADED = kWmUser + 230;    // 1254: read back from the keyboard
constexpr unsigned int WM_PROFILE_SWITCHED = kWmUser + 231;     // 1255: CurrentProfile changed
constexpr unsigned int WM_BRIGHTNESS_CHANGED = kWmUser + 233;   // 1257: LtBrightness changed
constexpr unsigned int WM_COUNTERS_CHANGED = kWmUser + 240;     // 1264: InfoData counters changed
constexpr unsigned int WM_DEVICE_LIST_CHANGED = kWmUser + 260;  // 1284: DeviceInfo.ini rewritten

// Monitor → option application, posted while an apply writes the keyboard:
// wParam reports written so far, lParam reports planned. Ours alone (no other
// peer sends or expects it), so the window can show progress during the wait.
constexpr unsigned int WM_APPLY_PROGRESS = kWmUser + 276;  // 1300

static_assert(WM_APPLY_SETTINGS == 1224 && WM_INFODATA_CHANGED == 1233);
static_assert(WM_RELOAD_SETTINGS_A == 1226 && WM_RELOAD_KEY_REPEAT == 1227);
static_assert(WM_RELOAD_SETTINGS_B == 1231 && WM_RELOAD_IGNORED_A == 1232);
static_assert(WM_RELOAD_IGNORED_B == 1274);
static_assert(WM_SETTINGS_RELOADED == 1254 && WM_PROFILE_SWITCHED == 1255);
static_assert(WM_BRIGHTNESS_CHANGED == 1257 && WM_COUNTERS_CHANGED == 1264);
static_assert(WM_DEVICE_LIST_CHANGED == 1284 && WM_APPLY_PROGRESS == 1300);

// wParam of WM_APPLY_SETTINGS.
enum class ApplyMode : unsigned int { kSendChanges = 0, kRestoreDefaults = 1 };

// The one SettingsBlock both programs share, created by the monitor, and the
// mutex every whole-block copy takes.
constexpr char kSharedSettingsName[] = "Tarvek_BrelFX_Keyboard_Share_Data";
constexpr char kSettingsMutexName[] = "Tarvek_BrelFX_Keyboard_Mutex_Object";

// Single-instance mutexes.
constexpr char kMonitorInstanceMutexName[] = "Tarvek_BrelFX_Keyboard_Normal_Monitor";
constexpr char kOptionInstanceMutexName[] = "Tarvek_BrelFX_configure";

// Each program finds the other's window by its exact title every time it
// sends or posts.
constexpr char kMonitorWindowTitle[] = "Tarvek Brel FX Keyboard Monitor";
constexpr char kOptionWindowTitle[] = "Tarvek Brel FX Keyboard Option";

}  // namespace brelfx
