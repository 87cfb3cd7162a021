// Validation of settings files for brelfx-config check: every key present,
// every struct value well-formed, values within their documented ranges.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brelfx::config_tool {

struct Problem {
  std::string key;
  std::string what;
};

std::vector<Problem> CheckProfileText(std::string_view text);
std::vector<Problem> CheckConfigText(std::string_view text);

}  // namespace brelfx::config_tool
