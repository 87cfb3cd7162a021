#include <gtest/gtest.h>

#include <string>

#include "tools/skin-painter/tests/painter_fixture.h"

namespace brelfx::painter {
namespace {

constexpr Color kPaper = Rgb(20, 20, 20);
constexpr Color kInk = Rgb(240, 240, 240);

struct Ink {
  int pixels = 0;
  int partial = 0;  // neither paper nor full ink: anti-aliased edges
  int left = 1 << 20, right = -1;
  int outside = 0;  // touched pixels outside the box
};

Ink InkOf(const Canvas& c, const Box& box) {
  Ink ink;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      if (c.At(x, y) == kPaper) continue;
      const bool inside = x >= box.x && y >= box.y && x < box.Right() && y < box.Bottom();
      if (!inside) {
        ++ink.outside;
        continue;
      }
      ++ink.pixels;
      ink.partial += c.At(x, y) != kInk;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
    }
  return ink;
}

Ink Letter(const std::string& text, TextStyle style, const Box& box = {10, 10, 180, 30}) {
  Canvas c(200, 50, kPaper);
  std::string error;
  EXPECT_TRUE(Lettering().Draw(c, box, text, style, kInk, error)) << error;
  return InkOf(c, box);
}

TEST(TextPainter, LettersAntiAliasedInsideTheBoxAndLongerTextInksWider) {
  const TextStyle left{.size = 14, .align = Align::kLeft};
  const Ink short_ = Letter("Wave", left);
  const Ink long_ = Letter("Wave Wave", left);
  EXPECT_GT(short_.pixels, 40);
  EXPECT_GT(short_.partial, short_.pixels / 4);  // smooth edges, not a bitmap font
  EXPECT_EQ(short_.outside, 0);
  EXPECT_EQ(long_.left, short_.left);
  EXPECT_GT(long_.right, short_.right + 20);
  // Bold letters are heavier and wider.
  const Ink bold = Letter("Wave", TextStyle{.size = 14, .bold = true, .align = Align::kLeft});
  EXPECT_GT(bold.pixels, short_.pixels);
  EXPECT_GT(bold.right, short_.right);
}

TEST(TextPainter, KernsPairsAndAlignsByTheKernedWidth) {
  const TextStyle style{.size = 24};
  // DejaVu Sans tucks the o under the T.
  EXPECT_LT(Lettering().LineWidth("To", style),
            Lettering().LineWidth("T", style) + Lettering().LineWidth("o", style));
  const Box box{10, 10, 180, 30};
  const Ink right = Letter("To", TextStyle{.size = 24, .align = Align::kRight}, box);
  EXPECT_NEAR(right.right, box.Right() - 1, 2);
  const Ink centre = Letter("To", TextStyle{.size = 24, .align = Align::kCenter}, box);
  EXPECT_NEAR(centre.left - box.x, box.Right() - 1 - centre.right, 3);
}

TEST(TextPainter, WrapsAtBlanksAndBreaksAtNewlines) {
  // Three words that fit the width only one or two at a time.
  const TextStyle wrap{.size = 12, .wrap = true};
  const Box box{10, 4, 70, 44};
  Canvas c(200, 50, kPaper);
  std::string error;
  ASSERT_TRUE(Lettering().Draw(c, box, "Profile name here", wrap, kInk, error)) << error;
  int inkedRows = 0, gaps = 0;
  bool previous = false;
  for (int y = box.y; y < box.Bottom(); ++y) {
    bool row = false;
    for (int x = box.x; x < box.Right(); ++x) row |= c.At(x, y) != kPaper;
    inkedRows += row;
    gaps += previous && !row;
    previous = row;
  }
  EXPECT_GE(gaps, 1);  // more than one line
  // Without wrapping the same words are too wide, and "\n" makes two lines.
  Canvas untouched(200, 50, kPaper);
  EXPECT_FALSE(
      Lettering().Draw(untouched, box, "Profile name here", TextStyle{.size = 12}, kInk, error));
  EXPECT_NE(error.find("wider than its box"), std::string::npos) << error;
  EXPECT_TRUE(
      Lettering().Draw(untouched, box, "Profile\nname", TextStyle{.size = 12}, kInk, error));
}

TEST(TextPainter, RefusesWhatItCannotLetterAndDrawsNothing) {
  const struct {
    std::string text;
    TextStyle style;
    Box box;
    const char* complaint;
  } cases[] = {
      {"A much too long caption", TextStyle{.size = 12}, Box{0, 0, 60, 20}, "wider"},
      {"one two three four five six", TextStyle{.size = 12, .wrap = true}, Box{0, 0, 60, 20},
       "taller"},
      {"Tall", TextStyle{.size = 30}, Box{0, 0, 100, 20}, "taller"},
      {"\xE4\xB8\xAD", TextStyle{}, Box{0, 0, 100, 20}, "no letter U+4E2D"},
      {"caf\xC3", TextStyle{}, Box{0, 0, 100, 20}, "not UTF-8"},
      {"\xC0\xAF", TextStyle{}, Box{0, 0, 100, 20}, "not UTF-8"},      // overlong '/'
      {"\xED\xA0\x80", TextStyle{}, Box{0, 0, 100, 20}, "not UTF-8"},  // a surrogate
  };
  for (const auto& c : cases) {
    Canvas canvas(120, 30, kPaper);
    std::string error;
    EXPECT_FALSE(Lettering().Draw(canvas, c.box, c.text, c.style, kInk, error)) << c.text;
    EXPECT_NE(error.find(c.complaint), std::string::npos) << c.text << " -> " << error;
    EXPECT_EQ(InkOf(canvas, Box{}).outside, 0) << c.text;
  }
  std::u32string decoded;
  ASSERT_TRUE(DecodeUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", decoded));
  EXPECT_EQ(decoded, U"\u00E9\u20AC\U0001F600");
}

TEST(TextPainter, ARecipeLettersItsControlsInTheirStateColours) {
  const SkinRecipe recipe = Recipe(
      "size 120 40\nfont caption size=12 weight=bold color=#E0E0E0\n"
      "button style=caption BUTTON_OK,10,8,100,24, \"OK\"\n");
  const Box inner{20, 12, 80, 16};
  const auto brightest = [&](const Canvas& c) {
    int best = 0;
    for (int y = inner.y; y < inner.Bottom(); ++y)
      for (int x = inner.x; x < inner.Right(); ++x)
        best = std::max(best, Red(c.At(x, y)) + Green(c.At(x, y)) + Blue(c.At(x, y)));
    return best;
  };
  // The plate alone is dark; the caption brings light, brightest when pressed.
  const int normal = brightest(Paint(recipe, {.role = Role::kNormal}));
  const int pressed = brightest(Paint(recipe, {.role = Role::kPressed}));
  EXPECT_GT(normal, 3 * 180);
  EXPECT_GT(pressed, normal);
}

}  // namespace
}  // namespace brelfx::painter
