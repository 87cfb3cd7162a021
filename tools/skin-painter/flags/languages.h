// The seventeen languages of the language button, in the order of
// QuickHelpLan (the index is the language's number everywhere).
#pragma once

#include <string_view>

namespace brelfx::painter {

inline constexpr int kLanguageCount = 17;

// The names recipes use in `flag lang=NAME`.
inline constexpr const char* kLanguages[kLanguageCount] = {"danish",
                                                           "english",
                                                           "finnish",
                                                           "french",
                                                           "german",
                                                           "italian",
                                                           "japanese",
                                                           "korean",
                                                           "polish",
                                                           "russian",
                                                           "simplified-chinese",
                                                           "spanish",
                                                           "swedish",
                                                           "thai",
                                                           "traditional-chinese",
                                                           "turkish",
                                                           "vietnamese"};

// The index of `name`, or -1.
inline int LanguageIndex(std::string_view name) {
  for (int i = 0; i < kLanguageCount; ++i)
    if (name == kLanguages[i]) return i;
  return -1;
}

}  // namespace brelfx::painter
