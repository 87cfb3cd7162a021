// Running processes as a Toolhelp snapshot lists them, walked in order, and
// which of them owns the foreground window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/foreground_process.h"

namespace brelfx::test {

class FakeForegroundProcess final : public ForegroundProcess {
 public:
  struct Process {
    std::uint32_t id;
    std::string executable;
  };
  std::uint32_t ForegroundProcessId() override { return foregroundId; }
  std::optional<std::string> ExecutableName(std::uint32_t processId) override {
    for (const Process& process : processes)
      if (process.id == processId) return process.executable;
    return std::nullopt;
  }
  // Adds a process and makes it the foreground one.
  void BringUp(std::uint32_t id, std::string executable) {
    processes.push_back({id, std::move(executable)});
    foregroundId = id;
  }

  std::vector<Process> processes;
  std::uint32_t foregroundId = 0;
};

}  // namespace brelfx::test
