// The common file dialogs of the main window: profile files for Load and
// Save, and a program for the browse buttons of the profile edit and
// quick-launch dialogs (opened in the desktop folder). Paths
// are ANSI, as the settings files store them. Nothing: the user cancelled.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace brelfx {

std::optional<std::string> AskProfileToLoad(HWND owner, const std::string& initialFile);
std::optional<std::string> AskProfileToSave(HWND owner, const std::string& initialFile);
std::optional<std::string> AskProgram(HWND owner, const std::string& initialFile);

}  // namespace brelfx
