// The help libraries: resource-only modules loaded as data files, their
// string tables read as UTF-16 so every language survives any code page.
#pragma once

#include "option/app/string_source.h"

namespace brelfx {

class Win32HelpLibraryLoader final : public HelpLibraryLoader {
 public:
  std::unique_ptr<StringSource> Load(const std::string& path) override;
};

}  // namespace brelfx
