#include "tools/skin-painter/recipe_outputs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/skin-painter/flags/flag_art.h"
#include "tools/skin-painter/tests/painter_fixture.h"

namespace brelfx::painter {
namespace {

namespace fs = std::filesystem;

class RecipeOutputs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "painter-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder_ = name;
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

// What the animated picture control relies on, read from the GIF's blocks.
struct GifFacts {
  bool signature = false;
  bool globalTable = false;
  bool loops = false;
  int localTables = 0;
  std::vector<int> delays;                 // one per graphic control extension
  std::vector<std::pair<int, int>> sizes;  // one per image
};

GifFacts ReadGif(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  GifFacts facts;
  if (b.size() < 13) return facts;
  const auto le16 = [&](std::size_t at) { return b[at] | (b[at + 1] << 8); };
  facts.signature = std::string(b.begin(), b.begin() + 6) == "GIF89a";
  facts.globalTable = b[10] & 0x80;
  std::size_t at = 13 + (facts.globalTable ? 3u << ((b[10] & 7) + 1) : 0);
  const auto skipSubBlocks = [&] {
    while (at < b.size() && b[at] != 0) at += b[at] + 1;
    ++at;
  };
  while (at < b.size() && b[at] != 0x3B) {
    if (b[at] == 0x21 && at + 2 < b.size()) {  // extension
      const uint8_t label = b[at + 1];
      if (label == 0xF9) facts.delays.push_back(le16(at + 4));
      if (label == 0xFF)
        facts.loops |= std::string(b.begin() + at + 3, b.begin() + at + 14) == "NETSCAPE2.0";
      at += 2;
      skipSubBlocks();
    } else if (b[at] == 0x2C && at + 10 < b.size()) {  // image
      facts.sizes.emplace_back(le16(at + 5), le16(at + 7));
      const uint8_t packed = b[at + 9];
      at += 10;
      if (packed & 0x80) {
        ++facts.localTables;
        at += 3u << ((packed & 7) + 1);
      }
      ++at;  // LZW minimum code size
      skipSubBlocks();
    } else {
      break;  // damaged: the facts gathered so far show it
    }
  }
  return facts;
}

TEST_F(RecipeOutputs, AnAnimationBecomesALoopingGifWithItsFramesAndDelays) {
  const SkinRecipe recipe = Recipe(
      "size 40 30\nanimation frames=5 delay=7 hold=40\npulse Ring,0,0,40,30,\nshine "
      "Sweep,0,0,40,30,\n");
  // The motion really moves: frames differ.
  const Canvas first = Paint(recipe, {.phase = 0.0}), later = Paint(recipe, {.phase = 0.4});
  int moved = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) moved += first.At(x, y) != later.At(x, y);
  EXPECT_GT(moved, 100);
  std::string error;
  const fs::path gif = folder_ / "level.gif";
  ASSERT_TRUE(WriteAnimation(recipe, gif.string(), Lettering(), error)) << error;
  const GifFacts facts = ReadGif(gif);
  EXPECT_TRUE(facts.signature);
  EXPECT_TRUE(facts.loops);
  // Each frame is cut out with the file's global colour table.
  EXPECT_TRUE(facts.globalTable);
  EXPECT_EQ(facts.localTables, 0);
  EXPECT_EQ(facts.delays, (std::vector<int>{7, 7, 7, 7, 40}));
  EXPECT_EQ(facts.sizes, (std::vector<std::pair<int, int>>(5, {40, 30})));
}

TEST_F(RecipeOutputs, ALevelAnimationShowsItsLevelAndTheOrnamentsReachedByIt) {
  const std::string plain =
      "size 220 34\nanimation frames=2\npips Marks,60,12,152,10,\n"
      "label Level,2,2,44,30, \"{level}\"\n";
  const SkinRecipe recipe = Recipe(plain + "sparks from=3 Glints,50,0,170,34,\n");
  const auto differing = [](const Canvas& a, const Canvas& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) count += a.At(x, y) != b.At(x, y);
    return count;
  };
  // Below its level an ornament is left out; from it on it is there.
  EXPECT_EQ(differing(Paint(recipe, {.level = 2}), Paint(Recipe(plain), {.level = 2})), 0);
  EXPECT_GT(differing(Paint(recipe, {.level = 3}), Paint(Recipe(plain), {.level = 3})), 10);
  // The wording and the lit marks follow the level: the marks are lit from
  // the left, as many as the level, and each fits inside the row.
  EXPECT_GT(differing(Paint(Recipe(plain), {.level = 7}), Paint(Recipe(plain), {.level = 8})), 10);
  const Canvas seven = Paint(Recipe(plain), {.level = 7});
  const auto lit = [&](int mark) { return Blue(seven.At(60 + mark * 152 / 16 + 4, 17)) > 150; };
  for (int mark = 0; mark < 16; ++mark) EXPECT_EQ(lit(mark), mark < 7) << "mark " << mark;
  EXPECT_EQ(seven.At(211, 17), Paint(Recipe("size 220 34\n"), {}).At(211, 17));

  std::string error;
  EXPECT_TRUE(WriteAnimation(recipe, (folder_ / "16.gif").string(), Lettering(), error, 16));
  EXPECT_FALSE(WriteAnimation(recipe, (folder_ / "17.gif").string(), Lettering(), error, 17));
  EXPECT_FALSE(fs::exists(folder_ / "17.gif"));
}

TEST_F(RecipeOutputs, EachCommandWritesItsFilesAndRefusesRecipesNotMadeForIt) {
  const SkinRecipe set = Recipe("size 20 14\npicture\npicture\nlabel Name,0,0,20,14, \"B\"\n");
  std::string error;
  EXPECT_FALSE(WritePictureSet(set, 3, {folder_.string(), "set"}, Lettering(), error));
  EXPECT_NE(error.find("holds 2 pictures, the build expects 3"), std::string::npos) << error;
  ASSERT_TRUE(WritePictureSet(set, 2, {folder_.string(), "set"}, Lettering(), error)) << error;
  EXPECT_TRUE(fs::exists(folder_ / "set_01.bmp"));
  EXPECT_TRUE(fs::exists(folder_ / "set_02.bmp"));
  EXPECT_FALSE(WriteWindowSkin(set, {folder_.string(), "window"}, Lettering(), error));
  EXPECT_FALSE(WriteAnimation(set, (folder_ / "x.gif").string(), Lettering(), error));

  ASSERT_TRUE(WriteFlagSet(Recipe("size 32 17\nflag Flag,0,0,32,17,\n"), {folder_.string(), "flag"},
                           Lettering(), error))
      << error;
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 2 + 17 * 3);
  EXPECT_TRUE(fs::exists(folder_ / "flag_16_pressed.bmp"));
}

// The flags stand in QuickHelpLan order and look like their countries'.
TEST(PaintFlag, EachLanguageShowsItsOwnFlag) {
  const auto at = [](int language, double u, double v) {
    Canvas c(60, 30, 0);
    PaintFlag(c, Box{0, 0, 60, 30}, language);
    const Color p = c.At(static_cast<int>(u * 59), static_cast<int>(v * 29));
    // Name the colour roughly, which is all a flag needs.
    const int r = Red(p), g = Green(p), b = Blue(p);
    if (r > 200 && g > 200 && b > 200) return 'w';
    if (r > 200 && g > 150 && b < 90) return 'y';
    if (r > 140 && g < 90 && b < 90) return 'r';
    if (b > 90 && r < 90) return 'b';
    if (g > 110 && r < 90 && b < 110) return 'g';
    if (r < 50 && g < 50 && b < 50) return 'k';
    return '?';
  };
  EXPECT_EQ(at(0, 0.05, 0.1), 'r');  // Danish: red field
  EXPECT_EQ(at(0, 0.36, 0.1), 'w');  // with the white cross off-centre
  EXPECT_EQ(at(1, 0.5, 0.5), 'r');   // English: red cross in the middle
  EXPECT_EQ(at(1, 0.3, 0.06), 'b');  // over blue
  EXPECT_EQ(at(2, 0.36, 0.1), 'b');  // Finnish: blue cross on white
  EXPECT_EQ(at(2, 0.8, 0.1), 'w');
  EXPECT_EQ(at(3, 0.1, 0.5), 'b');  // French: blue, white, red upright
  EXPECT_EQ(at(3, 0.9, 0.5), 'r');
  EXPECT_EQ(at(4, 0.5, 0.1), 'k');  // German: black, red, gold
  EXPECT_EQ(at(4, 0.5, 0.9), 'y');
  EXPECT_EQ(at(5, 0.1, 0.5), 'g');  // Italian
  EXPECT_EQ(at(6, 0.5, 0.5), 'r');  // Japanese: red disc on white
  EXPECT_EQ(at(6, 0.1, 0.1), 'w');
  EXPECT_EQ(at(7, 0.5, 0.3), 'r');  // Korean: red over blue in the circle
  EXPECT_EQ(at(7, 0.5, 0.7), 'b');
  EXPECT_EQ(at(8, 0.5, 0.2), 'w');  // Polish: white over red
  EXPECT_EQ(at(8, 0.5, 0.8), 'r');
  EXPECT_EQ(at(9, 0.5, 0.5), 'b');      // Russian: white, blue, red
  EXPECT_EQ(at(10, 0.125, 0.25), 'y');  // Simplified Chinese: the large star
  EXPECT_EQ(at(10, 0.8, 0.8), 'r');
  EXPECT_EQ(at(11, 0.5, 0.5), 'y');  // Spanish: red, gold, red
  EXPECT_EQ(at(11, 0.5, 0.1), 'r');
  EXPECT_EQ(at(12, 0.36, 0.5), 'y');  // Swedish: gold cross on blue
  EXPECT_EQ(at(12, 0.8, 0.1), 'b');
  EXPECT_EQ(at(13, 0.5, 0.05), 'r');  // Thai: red, white, blue, white, red
  EXPECT_EQ(at(13, 0.5, 0.25), 'w');
  EXPECT_EQ(at(14, 0.05, 0.05), 'b');  // Traditional Chinese: blue canton on red
  EXPECT_EQ(at(14, 0.8, 0.8), 'r');
  EXPECT_EQ(at(15, 0.14, 0.5), 'w');  // Turkish: the crescent's white
  EXPECT_EQ(at(15, 0.9, 0.1), 'r');
  EXPECT_EQ(at(16, 0.5, 0.5), 'y');  // Vietnamese: gold star on red
  EXPECT_EQ(at(16, 0.1, 0.1), 'r');
}

}  // namespace
}  // namespace brelfx::painter
