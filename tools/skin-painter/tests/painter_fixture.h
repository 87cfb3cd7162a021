// Shared by the painter's tests: one opened TextPainter, and a recipe
// painted from its text in one call.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tools/skin-painter/skin_art.h"
#include "tools/skin-painter/skin_recipe.h"

namespace brelfx::painter {

inline TextPainter& Lettering() {
  static TextPainter* painter = [] {
    auto* p = new TextPainter;
    std::string error;
    if (!p->Open(error)) ADD_FAILURE() << error;
    return p;
  }();
  return *painter;
}

inline SkinRecipe Recipe(const std::string& text) {
  SkinRecipe recipe;
  std::string error;
  EXPECT_TRUE(ParseSkinRecipe(text, recipe, error)) << error;
  return recipe;
}

inline Canvas Paint(const SkinRecipe& recipe, PictureSpec spec = {}) {
  Canvas picture(0, 0, 0);
  std::string error;
  EXPECT_TRUE(PaintSkin(recipe, spec, Lettering(), picture, error)) << error;
  return picture;
}

}  // namespace brelfx::painter
