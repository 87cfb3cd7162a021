#include "option/skin/layout_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace brelfx {
namespace {

TEST(ParseLayoutString, ReadsNameRectangleAndTooltip) {
  const LayoutItem item = ParseLayoutString("BUTTON_Reset,660,277,100,24,Reset");
  EXPECT_STREQ(item.name, "BUTTON_Reset");
  EXPECT_EQ(item.rect, (SkinRect{660, 277, 760, 301}));
  EXPECT_STREQ(item.tooltip, "Reset");
}

TEST(ParseLayoutString, TrailingCommaGivesEmptyTooltip) {
  const LayoutItem item = ParseLayoutString("BUTTON_OK,150,240,58,26,");
  EXPECT_EQ(item.rect, (SkinRect{150, 240, 208, 266}));
  EXPECT_STREQ(item.tooltip, "");
}

TEST(ParseLayoutString, BlanksBeforeNumbersAndAroundTooltipAreSkipped) {
  const LayoutItem item =
      ParseLayoutString("Profile 1,8, 485,155,25,  Click here to activate profile slot #1 \t");
  EXPECT_STREQ(item.name, "Profile 1");
  EXPECT_EQ(item.rect, (SkinRect{8, 485, 163, 510}));
  EXPECT_STREQ(item.tooltip, "Click here to activate profile slot #1");
}

TEST(ParseLayoutString, HiddenControlHasEmptyRectangle) {
  const LayoutItem item = ParseLayoutString("Sound Volume Up/Down,0,0,0,0,");
  EXPECT_STREQ(item.name, "Sound Volume Up/Down");
  EXPECT_EQ(item.rect, SkinRect{});
  EXPECT_EQ(item.rect.Width(), 0);
}

TEST(ParseLayoutString, ClearsEverythingFromAnEarlierParse) {
  LayoutItem item;
  ParseLayoutString("A long earlier name,1,2,3,4,and a tooltip", item);
  ParseLayoutString("B,5,6,7,8,", item);
  EXPECT_STREQ(item.name, "B");
  EXPECT_EQ(item.rect, (SkinRect{5, 6, 12, 14}));
  // The bytes after the terminators are zero too: the record is copied whole.
  for (std::size_t i = 2; i < sizeof(item.name); ++i) EXPECT_EQ(item.name[i], 0) << i;
  for (char c : item.tooltip) EXPECT_EQ(c, 0);
}

TEST(ParseLayoutString, CutsOverlongNameAndTooltipToTheirFields) {
  const std::string name(100, 'n');
  const std::string tip(1000, 't');
  const LayoutItem item = ParseLayoutString(name + ",1,2,3,4," + tip);
  EXPECT_EQ(std::strlen(item.name), 39u);
  EXPECT_EQ(std::strlen(item.tooltip), 403u);
  EXPECT_EQ(item.rect, (SkinRect{1, 2, 4, 6}));
}

TEST(ParseLayoutString, MalformedLiteralsStopQuietly) {
  EXPECT_STREQ(ParseLayoutString("OnlyAName").name, "OnlyAName");
  EXPECT_EQ(ParseLayoutString("OnlyAName").rect, SkinRect{});
  // Reading stops at the first missing number, as "%d,%d,%d,%d" does.
  EXPECT_EQ(ParseLayoutString("X,10,20,x,4,tip").rect, (SkinRect{10, 20, 10, 20}));
  EXPECT_STREQ(ParseLayoutString("X,10,20,x,4,tip").tooltip, "tip");
  EXPECT_EQ(ParseLayoutString("X,-5,3,10,2,").rect, (SkinRect{-5, 3, 5, 5}));
  // Numbers past 32 bits saturate rather than overflow.
  EXPECT_EQ(ParseLayoutString("X,99999999999,0,1,1,").rect.left, INT32_MAX);
}

// A far place plus a far size must neither wrap to a negative right edge nor
// overflow when the size is asked for.
TEST(ParseLayoutString, AbsurdPlacesAndSizesSaturate) {
  const SkinRect far = ParseLayoutString("X,2000000000,-2000000000,2000000000,-2000000000,").rect;
  EXPECT_EQ(far.right, INT32_MAX);
  EXPECT_EQ(far.bottom, INT32_MIN);
  EXPECT_GT(far.Width(), 0);
  EXPECT_LT(far.Height(), 0);
  const SkinRect spread{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(spread.Width(), INT32_MAX);
  EXPECT_EQ(spread.Height(), INT32_MAX);
  EXPECT_EQ((SkinRect{INT32_MAX, 0, INT32_MIN, 0}).Width(), INT32_MIN);
}

}  // namespace
}  // namespace brelfx
