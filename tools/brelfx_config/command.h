// brelfx-config: the diagnostics tool for the settings files. Each command is
// one file under commands/ defining a Command, listed in command_table.cpp.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/keyboard_layout.h"
#include "platform/registry.h"

namespace brelfx::config_tool {

// Exit codes of the tool.
constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUsage = 2;  // also I/O errors

// What the commands use of the system they run on.
struct Host {
  FileSystem& fs;
  Registry& registry;            // none in the native build
  const KeyboardLayout& layout;  // US in the native build
  int languageId;                // system language id; 0 when unknown
};

// The host of this build (system registry, layout and language on Windows).
Host SystemHost();

struct CommandContext {
  std::vector<std::string> args;  // after the command name
  std::ostream& out;
  std::ostream& err;  // one line per error, starting "brelfx-config: "
  Host host;
};

struct Command {
  const char* name;
  const char* usage;  // arguments, e.g. "DIR [--json]"
  const char* summary;
  int (*run)(CommandContext& context);
};

std::span<const Command> Commands();

// Writes "brelfx-config: <message>" as one line to the error stream.
void ReportError(CommandContext& context, const std::string& message);

// Runs the tool with its arguments (without the program name); returns the
// exit code.
int RunBrelfxConfig(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    Host host);

}  // namespace brelfx::config_tool
