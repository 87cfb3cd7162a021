// The six entry points of the HID access library "zendrel.dll", as one table.
// The Win32 binding fills it with GetProcAddress; native tests fill it with the
// simulated keyboard. A null entry was not found and is never called.
#pragma once

namespace brelfx {

extern "C" {
// window: the HWND that receives the event and plug messages (opaque here).
typedef int (*OpenDevMonitorFn)(void* window, unsigned int eventMessage, unsigned int plugMessage);
typedef int (*CloseDevMonitorFn)(void);
typedef int (*OpenFeatureDeviceFn)(void);
typedef int (*CloseFeatureDeviceFn)(void);
// buffer[0] is the report id; non-zero when delivered / filled.
typedef int (*SetFeatureFn)(unsigned char* buffer, int length);
typedef int (*GetFeatureFn)(unsigned char* buffer, int length);
}

// In the order the binding looks them up.
struct ZendrelApi {
  OpenDevMonitorFn Open_DevMonitor = nullptr;
  CloseDevMonitorFn Close_DevMonitor = nullptr;
  OpenFeatureDeviceFn Open_FeatureDevice = nullptr;
  CloseFeatureDeviceFn Close_FeatureDevice = nullptr;
  SetFeatureFn SetFeature = nullptr;
  GetFeatureFn GetFeature = nullptr;
};

// Messages the library posts to the monitor's window.
constexpr unsigned int WM_DEVICE_EVENT = 1325;  // wParam event type, lParam value
constexpr unsigned int WM_DEVICE_PLUG = 1326;   // wParam 1 arrived, 0 left

}  // namespace brelfx
