// The foreground window's process, named through a Toolhelp snapshot.
#pragma once

#include "platform/foreground_process.h"

namespace brelfx {

class ToolhelpForegroundProcess final : public ForegroundProcess {
 public:
  std::uint32_t ForegroundProcessId() override;
  std::optional<std::string> ExecutableName(std::uint32_t processId) override;
};

}  // namespace brelfx
