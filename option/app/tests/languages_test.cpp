// Languages and help texts: the tables the help libraries rely on.
#include "option/app/languages.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "option/app/main_help_texts.h"
#include "platform/path.h"

namespace brelfx {
namespace {

struct Library {
  int quickHelpLan;
  const char* name;
};

class HelpLibraryTest : public testing::TestWithParam<Library> {};

TEST_P(HelpLibraryTest, IndexSelectsItsLibraryAndFlag) {
  const std::string expected = JoinPath(JoinPath("prog", "help"), GetParam().name);
  EXPECT_EQ(HelpLibraryPath("prog", GetParam().quickHelpLan), expected);
  const bool english = std::string(GetParam().name) == "English_help.dll";
  if (english) EXPECT_EQ(LanguageIndex(GetParam().quickHelpLan), 1);
  else EXPECT_EQ(LanguageIndex(GetParam().quickHelpLan), GetParam().quickHelpLan);
}

INSTANTIATE_TEST_SUITE_P(
    AllLanguages, HelpLibraryTest,
    testing::Values(Library{0, "Danish_help.dll"}, Library{1, "English_help.dll"},
                    Library{2, "Finnish_help.dll"}, Library{3, "French_help.dll"},
                    Library{4, "German_help.dll"}, Library{5, "Italian_help.dll"},
                    Library{6, "Japanese_help.dll"}, Library{7, "Korean_help.dll"},
                    Library{8, "Polish_help.dll"}, Library{9, "Russian_help.dll"},
                    Library{10, "SimplChinese_help.dll"}, Library{11, "Spanish_help.dll"},
                    Library{12, "Swedish_help.dll"}, Library{13, "Thai_help.dll"},
                    Library{14, "TradChinese_help.dll"}, Library{15, "Turkish_help.dll"},
                    Library{16, "Vietnamese_help.dll"}, Library{-1, "English_help.dll"},
                    Library{17, "English_help.dll"}, Library{1000, "English_help.dll"}));

TEST(HelpAreaFont, CjkAndThaiTakeAFaceWithTheirGlyphsRussianTheSystemFaceNarrower) {
  EXPECT_STREQ(HelpAreaFontFor(4).face, "Arial");
  EXPECT_STREQ(HelpAreaFontFor(6).face, "MS UI Gothic");
  EXPECT_STREQ(HelpAreaFontFor(13).face, "Leelawadee");
  EXPECT_STREQ(HelpAreaFontFor(9).face, "");
  EXPECT_EQ(HelpAreaFontFor(9).width, 5);
  EXPECT_EQ(HelpAreaFontFor(6).width, 6);
}

// A library holding "#<id>" for every id but those it lacks.
class NumberedStrings final : public StringSource {
 public:
  int missing = 0;
  std::optional<std::string> Text(int id) override {
    if (id == missing) return std::nullopt;
    return "#" + std::to_string(id);
  }
};

TEST(MainHelpTexts, EveryControlTakesItsStringId) {
  MainHelpTexts texts;
  texts.apply = "before";
  NumberedStrings strings;
  strings.missing = 1030;
  LoadMainHelpTexts(strings, texts);
  EXPECT_EQ(texts.min, "#1001");
  EXPECT_EQ(texts.exit, "#1002");
  EXPECT_EQ(texts.tabs, (std::array<std::string, 6>{"#1003", "#1033", "#1039", "#1043",
                                                    "#1072", "#1058"}));
  EXPECT_EQ(texts.create + texts.load + texts.save + texts.edit, "#1013#1014#1015#1016");
  EXPECT_EQ(texts.slotButtons,
            (std::array<std::string, 5>{"#1017", "#1018", "#1019", "#1020", "#1021"}));
  EXPECT_EQ(texts.slotNames,
            (std::array<std::string, 5>{"#1022", "#1023", "#1024", "#1025", "#1026"}));
  EXPECT_EQ(texts.offMarkers, "#1027");
  EXPECT_EQ(texts.onMarkers, "#1028");
  EXPECT_EQ(texts.ok, "#1029");
  EXPECT_EQ(texts.apply, "before");  // the library lacks it: the old text stays
  EXPECT_EQ(texts.cancel, "#1031");
  EXPECT_EQ(texts.language, " ");
}

}  // namespace
}  // namespace brelfx
