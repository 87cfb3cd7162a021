// Numbers typed on a command line: decimal, or hexadecimal with 0x.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <string>

namespace brelfx {

// False for text that is no whole number or lies outside [min, max].
inline bool ParseNumber(const std::string& text, long long min, long long max, long long& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 0);
  return errno == 0 && *end == '\0' && value >= min && value <= max;
}

}  // namespace brelfx
