// skin-painter: draws the skin pictures at build time.
//   skin-painter skin RECIPE FOLDER NAME   writes NAME_shape.bmp ... NAME_extra.bmp
//   skin-painter toolkit FOLDER            writes the toolkit's own pictures
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tools/skin-painter/image_files.h"
#include "tools/skin-painter/skin_recipe.h"
#include "tools/skin-painter/toolkit_art.h"

namespace {

using namespace brelfx::painter;

int PaintRecipe(const std::string& recipePath, const std::string& folder, const std::string& name) {
  std::ifstream in(recipePath, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "skin-painter: cannot open %s\n", recipePath.c_str());
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  SkinRecipe recipe;
  std::string error;
  if (!ParseSkinRecipe(text, recipe, error)) {
    std::fprintf(stderr, "skin-painter: %s: %s\n", recipePath.c_str(), error.c_str());
    return 1;
  }
  for (int role = 0; role < 5; ++role) {
    const std::string path = folder + "/" + name + "_" + kRoleNames[role] + ".bmp";
    if (!WriteFile(path, EncodeBmp(PaintSkin(recipe, static_cast<Role>(role))))) {
      std::fprintf(stderr, "skin-painter: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "skin" && argc == 5) return PaintRecipe(argv[2], argv[3], argv[4]);
  if (command == "toolkit" && argc == 3) {
    if (WriteToolkitArt(argv[2])) return 0;
    std::fprintf(stderr, "skin-painter: cannot write into %s\n", argv[2]);
    return 1;
  }
  std::fprintf(stderr,
               "usage: skin-painter skin RECIPE FOLDER NAME | skin-painter toolkit FOLDER\n");
  return 2;
}
