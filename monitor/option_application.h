// The option application as the monitor sees it: a window found by its
// title, or "BrelFXOption.exe" in the program folder to start.
#pragma once

#include <string>

#include "platform/program_shell.h"
#include "platform/window_messenger.h"

namespace brelfx {

class OptionApplication {
 public:
  OptionApplication(WindowMessenger& messenger, ProgramShell& shell)
      : messenger_(messenger), shell_(shell) {}

  // The folder (ending with its separator) the program is started from.
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

  // ID_CONFIGURATION: brings a running option application to the front, or
  // starts it.
  void Open();
  // Closes the option application, without applying, when it runs.
  void Close();

 private:
  WindowMessenger& messenger_;
  ProgramShell& shell_;
  std::string programFolder_;
};

}  // namespace brelfx
