// CMonitorApp: one monitor per desktop, its hidden window, and the message
// loop that runs until the window is gone.
#include <windows.h>

#include "device/win32/win32_library_loader.h"
#include "monitor/single_instance.h"
#include "monitor/win32/monitor_wnd.h"
#include "platform/win32/named_mutex.h"
#include "platform/win32/window_messenger.h"

namespace brelfx {
namespace {

class CMonitorApp {
 public:
  int Run(const char* commandLine) {
    const TalkMessages talkMessages = RegisterTalkMessages();
    openOption_ = OpenOptionRequested(commandLine);
    Win32WindowMessenger messenger;
    if (!BecomeTheMonitor(instanceMutex_, messenger, openOption_)) return 0;

    mainWindow_ = std::make_unique<CMonitorWnd>(RunningProgramPath(), openOption_, talkMessages);
    // A refused window (another holder of the settings mutex) ends the
    // program: a monitor without its functions would only hold the instance
    // mutex and keep a working one from starting.
    if (!mainWindow_->Create()) return 1;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
  }

 private:
  bool openOption_ = false;
  Win32NamedMutex instanceMutex_;  // released when the program ends
  std::unique_ptr<CMonitorWnd> mainWindow_;
};

}  // namespace
}  // namespace brelfx

namespace brelfx {
namespace {

// Under Wine a message's data reaches the window procedure on the receiving
// thread's stack, and any program can send the monitor copy-data of many
// megabytes. The window therefore runs on a thread whose stack reservation
// is far larger than any payload the system will carry to it (untouched
// pages cost no memory); the other threads keep the program's small default.
constexpr SIZE_T kWindowThreadStack = SIZE_T{256} << 20;

struct WindowThreadStart {
  const char* commandLine;
  int exitCode = 0;
};

DWORD WINAPI RunWindowThread(void* parameter) {
  auto* start = static_cast<WindowThreadStart*>(parameter);
  CMonitorApp app;
  start->exitCode = app.Run(start->commandLine);
  return 0;
}

}  // namespace
}  // namespace brelfx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  brelfx::WindowThreadStart start{commandLine};
  HANDLE thread = CreateThread(nullptr, brelfx::kWindowThreadStack, &brelfx::RunWindowThread,
                               &start, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) return brelfx::RunWindowThread(&start) == 0 ? start.exitCode : 1;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return start.exitCode;
}
