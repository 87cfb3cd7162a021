// The macro manager's small dialogs: the name of a new set, the two delete
// questions and the notices of a command that has nothing to work on. Their
// wording is part of their pictures.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace brelfx {

// "[+]Add Macro Set": the name trimmed at both ends, 1-24 characters; nothing
// on CANCEL. OK (or Enter) with only blanks keeps the dialog open.
std::optional<std::string> AskMacroSetName(HWND owner);

enum class MacroDeletion { kSet, kMacro };
// True on OK.
bool ConfirmMacroDeletion(HWND owner, MacroDeletion what);

enum class MacroManagerNotice { kNoSetChosen, kNoMacroSelected, kNoMacroToDelete };
void ShowMacroManagerNotice(HWND owner, MacroManagerNotice notice);

}  // namespace brelfx
