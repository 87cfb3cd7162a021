#include "platform/win32/system_keyboard_repeat.h"

#include <windows.h>

#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

void SetAndAnnounce(UINT action, int value) {
  if (!SystemParametersInfoA(action, static_cast<UINT>(value), nullptr, SPIF_SENDCHANGE))
    LogLastError("SystemParametersInfoA");
  PostMessageA(HWND_BROADCAST, WM_WININICHANGE, action, 0);
}

}  // namespace

void Win32SystemKeyboardRepeat::Apply(int delay, int speed) {
  SetAndAnnounce(SPI_SETKEYBOARDDELAY, delay);
  SetAndAnnounce(SPI_SETKEYBOARDSPEED, speed);
}

}  // namespace brelfx
