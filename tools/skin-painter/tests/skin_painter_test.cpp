#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skin-painter/files/image_files.h"
#include "tools/skin-painter/tests/painter_fixture.h"

namespace brelfx::painter {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(EncodeBmp, RowsAreBottomUpBgrAndPaddedToFourBytes) {
  Canvas c(3, 2, Rgb(0, 0, 0));
  c.Set(0, 0, Rgb(1, 2, 3));  // top-left
  c.Set(2, 1, Rgb(4, 5, 6));  // bottom-right
  const std::vector<uint8_t> bmp = EncodeBmp(c);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // 9 bytes a row padded to 12
  EXPECT_EQ(Le32(bmp, 2), bmp.size());
  EXPECT_EQ(Le32(bmp, 10), 54u);
  EXPECT_EQ(Le32(bmp, 18), 3u);
  EXPECT_EQ(Le32(bmp, 22), 2u);  // positive height: bottom-up
  // First stored row is the bottom one: its last pixel is (2,1).
  EXPECT_EQ(bmp[54 + 6], 6);
  EXPECT_EQ(bmp[54 + 7], 5);
  EXPECT_EQ(bmp[54 + 8], 4);
  // Second stored row is the top one, starting after the padding.
  EXPECT_EQ(bmp[54 + 12], 3);
  EXPECT_EQ(bmp[54 + 14], 1);
}

TEST(EncodeCursor, CarriesHotSpotAndMasksTheKeyColour) {
  Canvas c(32, 32, Rgb(255, 0, 255));
  c.Set(0, 31, Rgb(255, 255, 255));  // bottom-left is drawn
  const std::vector<uint8_t> cur = EncodeCursor(c, Rgb(255, 0, 255), 6, 1);
  EXPECT_EQ(cur[2], 2);  // cursor resource type
  EXPECT_EQ(cur[10] | (cur[11] << 8), 6);
  EXPECT_EQ(cur[12] | (cur[13] << 8), 1);
  const std::size_t image = Le32(cur, 18);
  EXPECT_EQ(Le32(cur, image + 8), 64u);  // colour and mask halves
  const std::size_t mask = image + 40 + 32 * 32 * 4;
  EXPECT_EQ(cur[mask] & 0x80, 0);     // first mask row is the bottom: pixel (0,31) is opaque
  EXPECT_EQ(cur[mask] & 0x40, 0x40);  // (1,31) is transparent
}

TEST(PaintSkin, ShapeIsWhiteOnlyOutsideTheCutCorners) {
  const Canvas shape = Paint(Recipe("size 40 30\nchamfer 6\n"), {.role = Role::kShape});
  EXPECT_EQ(shape.At(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(shape.At(39, 29), Rgb(255, 255, 255));
  EXPECT_NE(shape.At(6, 0), Rgb(255, 255, 255));
  EXPECT_NE(shape.At(20, 15), Rgb(255, 255, 255));
}

TEST(PaintSkin, StatePicturesDifferOnlyInsideTheControls) {
  // A control's state images are cut from these pictures, so everything
  // around the controls (labels and the frames of wells included) must be the
  // same in all of them, and every kind of control must show its state.
  const SkinRecipe recipe = Recipe(
      "size 200 120\nchamfer 8\nheader 12\n"
      "label Note,4,100,120,16, \"Same everywhere\"\n"
      "button OK,10,20,30,14, \"OK\"\ntoggle Sw,10,40,50,12,\nedit Name,50,4,20,10,\n"
      "tab Main,60,20,40,20, \"Main\"\nblocked Key,110,20,80,18, \"Disabled\"\n"
      "list rows=8 List,10,60,60,32,\nprogress Bar,80,60,60,10,\nflag lang=thai "
      "Flag,150,60,32,17,\n"
      "minimize Min,150,90,22,22,\nmarker Off,176,90,22,22,\nmarker on=yes On,126,94,22,22,\n");
  const Canvas normal = Paint(recipe, {.role = Role::kNormal});
  std::vector<int> changed(recipe.elements.size(), 0);
  int changedOutside = 0;
  for (Role role : {Role::kHover, Role::kPressed, Role::kExtra}) {
    const Canvas other = Paint(recipe, {.role = role});
    for (int y = 0; y < normal.height(); ++y)
      for (int x = 0; x < normal.width(); ++x) {
        if (normal.At(x, y) == other.At(x, y)) continue;
        bool inside = false;
        for (std::size_t i = 0; i < recipe.elements.size(); ++i)
          if (recipe.elements[i].rect.Contains(x, y)) {
            ++changed[i];
            inside = true;
          }
        changedOutside += !inside;
      }
  }
  EXPECT_EQ(changedOutside, 0);
  for (std::size_t i = 0; i < recipe.elements.size(); ++i) {
    const ElementKind kind = recipe.elements[i].kind;
    if (kind == ElementKind::kLabel) {
      EXPECT_EQ(changed[i], 0);
    } else if (kind != ElementKind::kEdit) {  // an edit's well is the same in every state
      EXPECT_GT(changed[i], 0) << "element " << i;
    }
  }
}

TEST(PaintSkin, ColourSwatchShowsItsColourAndRingsTheCheckedOne) {
  const SkinRecipe recipe = Recipe("size 40 40\nswatch color=#FF0080 color8,10,10,22,22,\n");
  const Canvas normal = Paint(recipe, {.role = Role::kNormal});
  const Canvas pressed = Paint(recipe, {.role = Role::kPressed});
  EXPECT_EQ(normal.At(21, 21), Rgb(255, 0, 128));
  EXPECT_EQ(pressed.At(21, 21), Rgb(255, 0, 128));
  EXPECT_EQ(pressed.At(10, 21), Rgb(255, 255, 255));  // the checked ring
  EXPECT_NE(normal.At(10, 21), Rgb(255, 255, 255));
  SkinRecipe bad;
  std::string error;
  EXPECT_FALSE(ParseSkinRecipe("size 40 40\nswatch color=red c,1,1,9,9,\n", bad, error));
  EXPECT_FALSE(ParseSkinRecipe("size 40 40\nbutton color=#000000 c,1,1,9,9,\n", bad, error));
}

}  // namespace
}  // namespace brelfx::painter
