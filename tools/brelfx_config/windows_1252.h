// The settings files hold text as Windows-1252 bytes; JSON wants UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace brelfx::config_tool {

// Every byte above 0x7F read as Windows-1252 (the five unassigned bytes as
// the C1 controls of the same value, as Windows converts them).
std::string Utf8FromWindows1252(std::string_view text);

}  // namespace brelfx::config_tool
