// Foreground seam: which program the user works in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brelfx {

class ForegroundProcess {
 public:
  virtual ~ForegroundProcess() = default;
  // The process id of the foreground window; 0 when there is none.
  virtual std::uint32_t ForegroundProcessId() = 0;
  // The executable file name (no folder) of the process, looked up in a
  // snapshot of the running processes; nothing when it is not among them.
  virtual std::optional<std::string> ExecutableName(std::uint32_t processId) = 0;
};

}  // namespace brelfx
