// Shell seam: starting programs with the shell's "open" verb and bringing an
// existing window to the user.
#pragma once

#include <string>

#include "platform/window_messenger.h"

namespace brelfx {

class ProgramShell {
 public:
  virtual ~ProgramShell() = default;
  // Opens the file with the "open" verb, shown normally; false when the shell
  // could not start it.
  virtual bool Open(const std::string& path, const std::string& parameters) = 0;
  // Restores the window when minimised, brings it to the foreground and
  // activates it.
  virtual bool BringToFront(WindowId window) = 0;
  // Runs a command line (a program path, possibly quoted, and its arguments)
  // shown normally; false when it could not be started.
  virtual bool Run(const std::string& commandLine) = 0;
};

}  // namespace brelfx
