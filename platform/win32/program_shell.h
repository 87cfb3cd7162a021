// ShellExecuteA with the "open" verb, WinExec of a command line and
// foreground activation of a window.
#pragma once

#include "platform/program_shell.h"

namespace brelfx {

class Win32ProgramShell final : public ProgramShell {
 public:
  bool Open(const std::string& path, const std::string& parameters) override;
  bool BringToFront(WindowId window) override;
  bool Run(const std::string& commandLine) override;
};

}  // namespace brelfx
