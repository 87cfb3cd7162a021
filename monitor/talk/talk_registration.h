// The Talk registry file TConfig.ini, shared by the maker's device programs:
// each lists itself there (Name, WindowName, Device) so the Talk hub finds
// its window.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace brelfx {

constexpr char kTalkConfigFileName[] = "TConfig.ini";

// One device program's section.
struct TalkEntry {
  std::string section;
  std::string name;  // what the programs know it by, in any case
  std::string windowName;
  int device;
};

// The keyboard's: section BrelFX, "Brel FX", the monitor's window, device 0.
TalkEntry KeyboardTalkEntry();

// The folder of TConfig.ini below the common application data folder.
std::string TalkConfigFolder(const std::string& commonAppData);

// Creates the folder and an empty file when missing; unless some section
// already has the entry's name (any case), adds the entry's section.
// False when the file could not be made or written.
bool RegisterInTalkFile(FileSystem& fs, const std::string& folder,
                        const TalkEntry& entry = KeyboardTalkEntry());

}  // namespace brelfx
