// Takes the whole keyboard for one window while a shortcut or macro is
// entered: a low-level keyboard hook turns every key stroke on the desktop
// into WM_CAPTURED_KEY to the target and consumes it, so no program (the
// target included) sees the key itself. One capture at a time.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"

namespace brelfx {

// wParam the virtual key; lParam bit 7 (0x80) set for a release, bits 16-23
// the scan code, bits 32-63 the tick count at which the key went (the
// event's own time stamp: a busy window handles the message later, but the
// recorder measures the delays between the keys themselves).
constexpr UINT WM_CAPTURED_KEY = WM_USER + 10;
static_assert(WM_CAPTURED_KEY == 1034);

inline bool CapturedKeyReleased(LPARAM lParam) { return (lParam & 0x80) != 0; }
inline unsigned CapturedKeyScanCode(LPARAM lParam) {
  return static_cast<unsigned>((lParam >> 16) & 0xFF);
}
static_assert(sizeof(LPARAM) == 8, "the key's time rides in the upper half of lParam");
inline DWORD CapturedKeyTime(LPARAM lParam) {
  return static_cast<DWORD>(static_cast<ULONG_PTR>(lParam) >> 32);
}

class KeyboardCapture {
 public:
  KeyboardCapture() = default;
  KeyboardCapture(const KeyboardCapture&) = delete;
  KeyboardCapture& operator=(const KeyboardCapture&) = delete;
  ~KeyboardCapture() { Stop(); }

  // Installs the hook for `target`; false (and a debug line) when the system
  // refuses, or another capture is running.
  bool Start(HWND target);
  // Removes the hook; the keyboard belongs to everyone again. Safe to call
  // more than once.
  void Stop();
  bool IsActive() const { return static_cast<bool>(hook_); }

 private:
  UniqueHook hook_;
};

}  // namespace brelfx
