// The Talk registry file TConfig.ini, shared by the maker's device programs:
// each lists itself there (Name, WindowName, Device) so the Talk hub finds
// its window.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace brelfx {

constexpr char kTalkConfigFileName[] = "TConfig.ini";

// The folder of TConfig.ini below the common application data folder.
std::string TalkConfigFolder(const std::string& commonAppData);

// Creates the folder and an empty file when missing; unless some section
// already names the keyboard ("Brel FX", any case), adds section BrelFX.
// False when the file could not be made or written.
bool RegisterInTalkFile(FileSystem& fs, const std::string& folder);

}  // namespace brelfx
