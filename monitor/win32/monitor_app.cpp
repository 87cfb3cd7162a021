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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  brelfx::CMonitorApp app;
  return app.Run(commandLine);
}
