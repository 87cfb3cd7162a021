// Where the lettering font of the pictures lives. Every picture is lettered
// in DejaVu Sans (Debian's fonts-dejavu-core), so a build on any machine
// paints the same pixels.
#pragma once

#include <string>

namespace brelfx::painter {

struct FontFiles {
  std::string regular;
  std::string bold;
};

// Looks in Debian's font folder first, then asks fontconfig. Returns false
// with a message naming the package to install when a face is missing.
bool FindFontFiles(FontFiles& files, std::string& error);

}  // namespace brelfx::painter
