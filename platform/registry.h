// Registry seam: text values of keys below HKEY_CURRENT_USER, and the
// read-only machine part where installed programs note their paths.
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

  // A REG_SZ or REG_EXPAND_SZ value below HKEY_LOCAL_MACHINE (at most 259
  // characters), opened for reading only: a normal user may not create keys
  // there. Nothing when the key or value is missing; a registry without a
  // machine part (tests that do not look there) finds nothing.
  virtual std::optional<std::string> ReadMachineString(std::string_view key,
                                                       std::string_view value) {
    (void)key, (void)value;
    return std::nullopt;
  }
  // The text with %NAME% environment variables replaced by their values;
  // names that are not set stay as they are.
  virtual std::string ExpandEnvironment(std::string_view text) { return std::string(text); }
};

// The registry of a system that has none (native builds): reads find
// nothing, writes fail.
Registry& NoRegistry();

}  // namespace brelfx
