// skin-painter: draws the skin pictures at build time.
//   skin-painter skin RECIPE FOLDER NAME           NAME_shape.bmp ... NAME_extra.bmp
//   skin-painter pictures RECIPE FOLDER NAME COUNT NAME_01.bmp ... NAME_<COUNT>.bmp
//   skin-painter flags RECIPE FOLDER NAME          NAME_00_normal.bmp ... NAME_16_pressed.bmp
//   skin-painter gif RECIPE FILE [LEVEL]           one animated GIF (a level animation)
//   skin-painter toolkit FOLDER                    the toolkit's own pictures
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/skin-painter/recipe_outputs.h"
#include "tools/skin-painter/skin_recipe.h"
#include "tools/skin-painter/toolkit_art.h"

namespace {

using namespace brelfx::painter;

int Usage() {
  std::fprintf(stderr,
               "usage: skin-painter skin RECIPE FOLDER NAME | pictures RECIPE FOLDER NAME COUNT |\n"
               "       flags RECIPE FOLDER NAME | gif RECIPE FILE [LEVEL] | toolkit FOLDER\n");
  return 2;
}

int PaintRecipe(const std::string& command, char** args, int count) {
  const std::string recipePath = args[0];
  std::ifstream in(recipePath, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "skin-painter: cannot open %s\n", recipePath.c_str());
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  SkinRecipe recipe;
  TextPainter lettering;
  std::string error;
  bool ok = ParseSkinRecipe(text, recipe, error) && lettering.Open(error);
  if (ok) {
    const Output out{count > 1 ? args[1] : "", count > 2 ? args[2] : ""};
    if (command == "skin" && count == 3)
      ok = WriteWindowSkin(recipe, out, lettering, error);
    else if (command == "pictures" && count == 4)
      ok = WritePictureSet(recipe, std::atoi(args[3]), out, lettering, error);
    else if (command == "flags" && count == 3)
      ok = WriteFlagSet(recipe, out, lettering, error);
    else if (command == "gif" && (count == 2 || count == 3))
      ok = WriteAnimation(recipe, args[1], lettering, error, count == 3 ? std::atoi(args[2]) : 0);
    else
      return Usage();
  }
  if (ok) return 0;
  std::fprintf(stderr, "skin-painter: %s: %s\n", recipePath.c_str(), error.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "toolkit" && argc == 3) {
    if (WriteToolkitArt(argv[2])) return 0;
    std::fprintf(stderr, "skin-painter: cannot write into %s\n", argv[2]);
    return 1;
  }
  if (argc >= 4 &&
      (command == "skin" || command == "pictures" || command == "flags" || command == "gif"))
    return PaintRecipe(command, argv + 2, argc - 2);
  return Usage();
}
