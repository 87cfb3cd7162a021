// Stand-in zendrel.dll: the six entry points of the HID access library, served
// by the machine's simulated keyboard. Each process that loads it has its own
// feature channel and event registration; the keyboard itself is shared.
#include <windows.h>

#include "sim/win32/shared_keyboard.h"

namespace {

using brelfx::sim::SharedKeyboard;
using brelfx::sim::SimKeyboard;

SharedKeyboard& Keyboard() {
  static SharedKeyboard keyboard;
  static const bool opened = keyboard.Open();
  (void)opened;
  return keyboard;
}

// Runs call on the keyboard under its mutex; 0 when it cannot be reached.
template <typename Call>
int OnKeyboard(Call call) {
  int result = 0;
  Keyboard().Run([&](SimKeyboard& k) { result = call(k); });
  return result;
}

}  // namespace

extern "C" {

__declspec(dllexport) int Open_DevMonitor(void* window, unsigned int eventMessage,
                                          unsigned int plugMessage) {
  return OnKeyboard([&](SimKeyboard& k) {
    return k.OpenDevMonitor(reinterpret_cast<std::uintptr_t>(window), eventMessage, plugMessage);
  });
}

__declspec(dllexport) int Close_DevMonitor(void) {
  return OnKeyboard([](SimKeyboard& k) { return k.CloseDevMonitor(); });
}

__declspec(dllexport) int Open_FeatureDevice(void) {
  return OnKeyboard([](SimKeyboard& k) { return k.OpenFeatureDevice(); });
}

__declspec(dllexport) int Close_FeatureDevice(void) {
  return OnKeyboard([](SimKeyboard& k) { return k.CloseFeatureDevice(); });
}

__declspec(dllexport) int SetFeature(unsigned char* buffer, int length) {
  return OnKeyboard([&](SimKeyboard& k) { return k.SetFeature(buffer, length); });
}

__declspec(dllexport) int GetFeature(unsigned char* buffer, int length) {
  return OnKeyboard([&](SimKeyboard& k) { return k.GetFeature(buffer, length); });
}

}  // extern "C"
