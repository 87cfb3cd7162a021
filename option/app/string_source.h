// Texts by string id, as the help library of the chosen language holds them.
// The main window and every page take their help texts from one source.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace brelfx {

class StringSource {
 public:
  virtual ~StringSource() = default;
  // The text of the id; nothing when the library lacks it (the caller then
  // keeps what it showed before).
  virtual std::optional<std::string> Text(int id) = 0;
};

// Opens the help library at a path; null when it cannot be loaded. The
// library stays loaded while the returned source lives.
class HelpLibraryLoader {
 public:
  virtual ~HelpLibraryLoader() = default;
  virtual std::unique_ptr<StringSource> Load(const std::string& path) = 0;
};

}  // namespace brelfx
