// Registry seam: text values of keys below HKEY_CURRENT_USER.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelfx {

class Registry {
 public:
  virtual ~Registry() = default;
  // A REG_SZ value (at most 79 characters); nothing when the key can be neither
  // opened nor created or the value is missing.
  virtual std::optional<std::string> ReadUserString(std::string_view key,
                                                    std::string_view value) = 0;
  // Writes a REG_SZ value, creating the key when it does not exist.
  virtual bool WriteUserString(std::string_view key, std::string_view value,
                               std::string_view text) = 0;
};

// The registry of a system that has none (native builds): reads find
// nothing, writes fail.
Registry& NoRegistry();

}  // namespace brelfx
