// The seventeen user-interface languages: QuickHelpLan indexes them, each has
// a help library in the help folder and a flag on the language button.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

constexpr int kLanguageCount = 17;
constexpr int kEnglish = 1;
constexpr int kJapanese = 6;
constexpr int kKorean = 7;
constexpr int kRussian = 9;
constexpr int kSimplifiedChinese = 10;
constexpr int kThai = 13;
constexpr int kTraditionalChinese = 14;

// The language a stored QuickHelpLan stands for: English for anything outside 0-16.
int LanguageIndex(int quickHelpLan);

// "help\German_help.dll" and the like, below the program folder.
std::string HelpLibraryPath(std::string_view programFolder, int quickHelpLan);

// The help area's font: Arial fits the Latin scripts and Vietnamese; Russian
// takes the system's default face, narrower since its words run longer; CJK
// and Thai take a face that has their glyphs on every Windows.
struct HelpAreaFont {
  const char* face;  // empty: the system default face
  int height;
  int width;
};
HelpAreaFont HelpAreaFontFor(int quickHelpLan);

}  // namespace brelfx
