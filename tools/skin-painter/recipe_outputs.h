// What one recipe becomes on disk, for each of the painter's commands.
// Each returns false with a message; files are named FOLDER/NAME_….
#pragma once

#include <string>

#include "tools/skin-painter/skin_recipe.h"
#include "tools/skin-painter/text/text_painter.h"

namespace brelfx::painter {

struct Output {
  std::string folder;
  std::string name;
};

// NAME_shape.bmp, NAME_normal.bmp, NAME_hover.bmp, NAME_pressed.bmp, NAME_extra.bmp.
bool WriteWindowSkin(const SkinRecipe& recipe, const Output& out, TextPainter& text,
                     std::string& error);

// NAME_01.bmp … NAME_NN.bmp; the recipe must hold exactly `count` pictures,
// so the build's list of files and the recipe cannot drift apart.
bool WritePictureSet(const SkinRecipe& recipe, int count, const Output& out, TextPainter& text,
                     std::string& error);

// NAME_II_normal.bmp, NAME_II_hover.bmp, NAME_II_pressed.bmp for every
// language II = 00 … 16 (QuickHelpLan order).
bool WriteFlagSet(const SkinRecipe& recipe, const Output& out, TextPainter& text,
                  std::string& error);

// The recipe's animation as one GIF file at `path`; `level` (1-16) paints a
// level animation, 0 any other.
bool WriteAnimation(const SkinRecipe& recipe, const std::string& path, TextPainter& text,
                    std::string& error, int level = 0);

}  // namespace brelfx::painter
