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

bool Win32SystemKeyboardRepeat::Read(int& delay, int& speed) {
  INT systemDelay = 0;
  DWORD systemSpeed = 0;
  if (!SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &systemDelay, 0) ||
      !SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &systemSpeed, 0))
    return false;
  delay = systemDelay;
  speed = static_cast<int>(systemSpeed);
  return true;
}

}  // namespace brelfx
