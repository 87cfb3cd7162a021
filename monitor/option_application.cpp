#include "monitor/option_application.h"

#include "monitor/monitor_messages.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

void OptionApplication::Open() {
  const WindowId window = messenger_.FindByTitle(kOptionWindowTitle);
  if (window != 0) {
    shell_.BringToFront(window);
    return;
  }
  shell_.Open(programFolder_ + kOptionProgram, "");
}

void OptionApplication::Close() {
  const WindowId window = messenger_.FindByTitle(kOptionWindowTitle);
  if (window != 0) messenger_.Post(window, kWmClose, 0, 0);
}

}  // namespace brelfx
