#include "option/app/languages.h"

#include "platform/path.h"

namespace brelfx {
namespace {

// In QuickHelpLan order.
constexpr const char* kHelpLibraryNames[kLanguageCount] = {
    "Danish_help.dll",       "English_help.dll",  "Finnish_help.dll",     "French_help.dll",
    "German_help.dll",       "Italian_help.dll",  "Japanese_help.dll",    "Korean_help.dll",
    "Polish_help.dll",       "Russian_help.dll",  "SimplChinese_help.dll", "Spanish_help.dll",
    "Swedish_help.dll",      "Thai_help.dll",     "TradChinese_help.dll", "Turkish_help.dll",
    "Vietnamese_help.dll"};

}  // namespace

int LanguageIndex(int quickHelpLan) {
  return quickHelpLan >= 0 && quickHelpLan < kLanguageCount ? quickHelpLan : kEnglish;
}

std::string HelpLibraryPath(std::string_view programFolder, int quickHelpLan) {
  return JoinPath(JoinPath(programFolder, "help"), kHelpLibraryNames[LanguageIndex(quickHelpLan)]);
}

HelpAreaFont HelpAreaFontFor(int quickHelpLan) {
  switch (LanguageIndex(quickHelpLan)) {
    // Named faces rather than "the system default": on a system whose own
    // language is another, the default face has no CJK or Thai glyphs and
    // the help line would show boxes.
    case kJapanese:           return {"MS UI Gothic", 13, 6};
    case kKorean:             return {"Gulim", 13, 6};
    case kSimplifiedChinese:  return {"SimSun", 13, 6};
    case kTraditionalChinese: return {"PMingLiU", 13, 6};
    case kThai:               return {"Leelawadee", 13, 6};
    case kRussian:            return {"", 13, 5};
    default:                  return {"Arial", 13, 6};
  }
}

}  // namespace brelfx
