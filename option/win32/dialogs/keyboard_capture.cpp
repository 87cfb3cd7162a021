#include "option/win32/dialogs/keyboard_capture.h"

#include "platform/log.h"
#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

// The hook procedure has no context of its own; the capture that installed
// it names the target. Both run on the thread that installed the hook.
HWND captureTarget = nullptr;

LRESULT CALLBACK CaptureKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code < 0 || !captureTarget) return CallNextHookEx(nullptr, code, wParam, lParam);
  // Never write the keys to the debugger output: whatever is typed while the
  // capture runs (a password in another window included) would be readable
  // by any program listening there.
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  const LPARAM info = static_cast<LPARAM>((key->flags & LLKHF_UP) ? 0x80 : 0) |
                      static_cast<LPARAM>((key->scanCode & 0xFF) << 16) |
                      static_cast<LPARAM>(static_cast<ULONG_PTR>(key->time) << 32);
  PostMessageA(captureTarget, WM_CAPTURED_KEY, key->vkCode, info);
  return 1;  // consumed: the key reaches no window
}

}  // namespace

bool KeyboardCapture::Start(HWND target) {
  if (hook_ || captureTarget) return false;
  captureTarget = target;
  hook_.reset(SetWindowsHookExA(WH_KEYBOARD_LL, CaptureKeyboardProc, GetModuleHandleA(nullptr), 0));
  if (!hook_) {
    LogLastError("KeyboardCapture: SetWindowsHookEx");
    captureTarget = nullptr;
    return false;
  }
  DebugLog("KeyboardCapture: keyboard hook installed\n");
  return true;
}

void KeyboardCapture::Stop() {
  if (!hook_) return;
  hook_.reset();
  captureTarget = nullptr;
  DebugLog("KeyboardCapture: keyboard hook removed\n");
}

}  // namespace brelfx
