#include <gtest/gtest.h>

#include <string>

#include "tools/skin-painter/skin_recipe.h"

namespace brelfx::painter {
namespace {

TEST(SkinRecipe, ReadsEveryKindWithItsOptionsAndWording) {
  SkinRecipe recipe;
  std::string error;
  ASSERT_TRUE(ParseSkinRecipe(
      "# a window\r\nsize 40 30\nchamfer 6\nbutton OK, 5,5,20,10,\n"
      "font body size=13 weight=bold color=#1A2B3C align=right wrap=yes\n"
      "  label style=body Question,1,2,30,20,Its tooltip \"Yes, \"no\"? \\n\\\\ 100%\"\n"
      "tab Main,4,75,122,38,Main settings for the selected device \"MAIN\"\n"
      "list rows=18 Rows,0,0,10,36,\nflag lang=traditional-chinese Flag,0,0,32,17,\n"
      "marker on=yes windows profile,139, 514,22,22,\n"
      "picture\nprogress Bar,1,1,20,6,\npicture\n"
      "animation frames=12 delay=8 hold=60\n",
      recipe, error))
      << error;
  ASSERT_EQ(recipe.elements.size(), 6u);
  EXPECT_EQ(recipe.elements[0].name, "OK");
  EXPECT_EQ(recipe.elements[0].rect, (SkinRect{5, 5, 25, 15}));
  EXPECT_TRUE(recipe.elements[0].text.empty());
  const Element& label = recipe.elements[1];
  EXPECT_EQ(label.kind, ElementKind::kLabel);
  EXPECT_EQ(label.rect, (SkinRect{1, 2, 31, 22}));
  // Everything between the first and the last quote; escapes resolved.
  EXPECT_EQ(label.text, "Yes, \"no\"? \n\\ 100%");
  EXPECT_EQ(label.style.size, 13);
  EXPECT_TRUE(label.style.bold);
  EXPECT_EQ(label.style.color, Rgb(0x1A, 0x2B, 0x3C));
  EXPECT_EQ(label.style.align, Align::kRight);
  EXPECT_TRUE(label.style.wrap);
  EXPECT_EQ(recipe.elements[2].text, "MAIN");
  EXPECT_EQ(recipe.elements[2].style.size, TextStyle{}.size);  // the default style
  EXPECT_EQ(recipe.elements[3].rowHeight, 18);
  EXPECT_EQ(recipe.elements[4].language, 14);  // QuickHelpLan of Traditional Chinese
  EXPECT_EQ(recipe.elements[5].name, "windows profile");
  EXPECT_EQ(recipe.elements[5].rect, (SkinRect{139, 514, 161, 536}));
  EXPECT_TRUE(recipe.elements[5].on);
  EXPECT_FALSE(recipe.elements[0].on);
  ASSERT_EQ(recipe.pictures.size(), 2u);
  EXPECT_EQ(recipe.pictures[0].size(), 1u);
  EXPECT_TRUE(recipe.pictures[1].empty());
  EXPECT_EQ(recipe.animation.frames, 12);
  EXPECT_EQ(recipe.animation.hold, 60);
}

// Every bad line names its number and what is wrong with it.
TEST(SkinRecipe, RejectsBadLinesNamingThem) {
  const struct {
    const char* line;
    const char* complaint;
  } cases[] = {
      {"buttn OK,1,1,4,4,", "unknown kind"},
      {"size 0 10", "number"},
      {"size 10 10 10", "unexpected"},
      {"chamfer -1", "number"},
      {"button OK,1,1,4,", "layout string"},
      {"button OK,1,x,4,4,", "layout string"},
      {"button OK,1,1,-4,4,", "layout string"},
      {"button", "layout string"},
      {"label Note,1,1,4,4,", "needs its wording"},
      {"label Note,1,1,4,4, \"open", "one \"quoted\" text"},
      {"label Note,1,1,4,4, \"a\" b", "one \"quoted\" text"},
      {"label Note,1,1,4,4, \"a\\tb\"", "backslash"},
      {"swatch Sw,1,1,4,4, \"On\"", "takes no wording"},
      {"label style=missing Note,1,1,4,4, \"a\"", "no font named"},
      {"swatch style=default Sw,1,1,4,4,", "has no option"},
      {"button color=#FFFFFF OK,1,1,4,4,", "has no option"},
      {"list Rows,1,1,4,4,", "rows=N"},
      {"list rows=2 Rows,1,1,4,4,", "rows must be"},
      {"flag lang=klingon Flag,1,1,4,4,", "no language"},
      {"marker on=maybe Marker,1,1,4,4,", "yes or no"},
      {"button on=yes OK,1,1,4,4,", "has no option"},
      {"font", "needs a name"},
      {"font body size=200", "bad value"},
      {"font body color=#12345", "bad value"},
      {"font body color=#12345G", "bad value"},
      {"font body weight=heavy", "bad value"},
      {"font body align=middle", "bad value"},
      {"font body slant=italic", "no option"},
      {"font body size=12 extra", "unexpected"},
      {"picture 3", "nothing after"},
      {"animation delay=5", "frames=N"},
      {"animation frames=1", "bad value"},
      {"animation frames=4 speed=2", "no option"},
  };
  for (const auto& c : cases) {
    SkinRecipe recipe;
    std::string error;
    EXPECT_FALSE(ParseSkinRecipe(std::string("size 10 10\n\n") + c.line + "\n", recipe, error))
        << c.line;
    EXPECT_NE(error.find("line 3: "), std::string::npos) << c.line << " -> " << error;
    EXPECT_NE(error.find(c.complaint), std::string::npos) << c.line << " -> " << error;
  }
  SkinRecipe recipe;
  std::string error;
  EXPECT_FALSE(ParseSkinRecipe("button OK,1,1,4,4,\n", recipe, error));
  EXPECT_EQ(error, "no size line");
}

}  // namespace
}  // namespace brelfx::painter
