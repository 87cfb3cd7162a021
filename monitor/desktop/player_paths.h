// Where the four media players note their program in the machine's registry,
// and how each one's text becomes a command line to start.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace brelfx {

enum class MediaPlayer { kWindowsMediaPlayer = 0, kITunes = 1, kVlc = 2, kWinamp = 3 };

// The player's command line, or "" when it is not installed (or its entry
// does not name it).
std::string InstalledPlayerPath(MediaPlayer player, Registry& registry);

// VLC's open command: the quoted program, or the text before "--started".
std::string VlcPathFromCommand(std::string_view command);
// Winamp's open command: the quoted program, the program before quoted
// arguments, or the whole text.
std::string WinampPathFromCommand(std::string_view command);

bool ContainsIgnoringCase(std::string_view text, std::string_view part);

}  // namespace brelfx
