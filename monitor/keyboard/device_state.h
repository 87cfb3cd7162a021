// Whether the keyboard is connected, shared by the window thread (which
// changes it on start-up and plug events) and the worker thread (which runs
// jobs only while it is 1).
#pragma once

#include <atomic>

namespace brelfx {

constexpr int kDeviceNotOpened = 0;
constexpr int kDeviceConnected = 1;
constexpr int kDeviceRemoved = 2;

using DeviceState = std::atomic<int>;

}  // namespace brelfx
