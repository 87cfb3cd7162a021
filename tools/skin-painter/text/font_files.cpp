#include "tools/skin-painter/text/font_files.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>

namespace brelfx::painter {
namespace {

constexpr const char* kDebianFolder = "/usr/share/fonts/truetype/dejavu/";
constexpr const char* kFamily = "DejaVu Sans";

// Asks fontconfig for the family in the given style; fontconfig always
// answers with some font, so anything but DejaVu Sans itself counts as missing.
std::string AskFontconfig(const char* style) {
  std::string path;
  if (!FcInit()) return path;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
  FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(style));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    FcChar8* found = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        FcPatternGetString(match, FC_STYLE, 0, &found) == FcResultMatch &&
        FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        std::string(reinterpret_cast<char*>(family)) == kFamily &&
        std::string(reinterpret_cast<char*>(found)) == style)
      path = reinterpret_cast<char*>(file);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return path;
}

std::string Find(const char* fileName, const char* style) {
  const std::string debian = std::string(kDebianFolder) + fileName;
  if (std::filesystem::is_regular_file(debian)) return debian;
  return AskFontconfig(style);
}

}  // namespace

bool FindFontFiles(FontFiles& files, std::string& error) {
  files.regular = Find("DejaVuSans.ttf", "Book");
  files.bold = Find("DejaVuSans-Bold.ttf", "Bold");
  if (!files.regular.empty() && !files.bold.empty()) return true;
  error = std::string("the font ") + kFamily + (files.regular.empty() ? "" : " Bold") +
          " is not installed; install the package fonts-dejavu-core "
          "(bash scripts/install-deps.sh)";
  return false;
}

}  // namespace brelfx::painter
