#include "monitor/option_application.h"

#include "monitor/monitor_messages.h"
#include "platform/log.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

void OptionApplication::Open() {
  const WindowId window = messenger_.FindByTitle(kOptionWindowTitle);
  if (window != 0) {
    shell_.BringToFront(window);
    return;
  }
  const std::string program = programFolder_ + kOptionProgram;
  // The shell's adapter has logged the system's reason already.
  if (!shell_.Open(program, ""))
    DebugLog("The option application %s could not be started\r\n", program.c_str());
}

void OptionApplication::Close() {
  const WindowId window = messenger_.FindByTitle(kOptionWindowTitle);
  if (window != 0) messenger_.Post(window, kWmClose, 0, 0);
}

}  // namespace brelfx
