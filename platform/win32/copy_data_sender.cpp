#include "platform/win32/copy_data_sender.h"

#include <windows.h>

#include "platform/win32/last_error.h"

namespace brelfx {

CopyDataDelivery Win32CopyDataSender::Send(WindowId window, std::uintptr_t wParam,
                                           std::uintptr_t tag,
                                           std::span<const std::uint8_t> payload, int timeoutMs) {
  HWND target = reinterpret_cast<HWND>(window);
  COPYDATASTRUCT data{static_cast<ULONG_PTR>(tag), static_cast<DWORD>(payload.size()),
                      const_cast<std::uint8_t*>(payload.data())};
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutA(target, WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG | SMTO_BLOCK, static_cast<UINT>(timeoutMs), &answer))
    return CopyDataDelivery::kHandled;
  LogLastError("SendMessageTimeoutA(WM_COPYDATA)");
  return IsWindow(target) ? CopyDataDelivery::kNotAnswered : CopyDataDelivery::kWindowGone;
}

bool Win32CopyDataSender::Exists(WindowId window) {
  return window != 0 && IsWindow(reinterpret_cast<HWND>(window));
}

}  // namespace brelfx
