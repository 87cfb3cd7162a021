#include "option/win32/apply_runner.h"

#include <windows.h>

#include <atomic>
#include <thread>

#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

// Dispatches everything that arrives until `done` is signalled. A WM_QUIT
// is put back for the loop that owns it.
void PumpUntil(HANDLE done) {
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) return;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        WaitForSingleObject(done, INFINITE);
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

}  // namespace

std::intptr_t PumpingMessenger::Send(WindowId window, unsigned int message,
                                     std::uintptr_t wParam, std::intptr_t lParam) {
  UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!done) {
    LogLastError("CreateEvent for the monitor's reply");
    return system_.Send(window, message, wParam, lParam);
  }
  waitStarts_(true);
  std::intptr_t result = 0;
  std::thread worker([&] {
    result = system_.Send(window, message, wParam, lParam);
    SetEvent(done.get());
  });
  PumpUntil(done.get());
  worker.join();
  waitStarts_(false);
  return result;
}

}  // namespace brelfx
