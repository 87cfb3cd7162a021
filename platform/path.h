// Paths in the form of the platform: backslashes in the Windows build.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

// '\\' in the Windows build, '/' natively (defined beside the file system).
extern const char kPathSeparator;

// folder + separator + name; a folder that already ends with a separator (or
// is empty) gets none added.
std::string JoinPath(std::string_view folder, std::string_view name);

// The last component of a path ("C:\\Games\\game.exe" → "game.exe"); either
// slash separates, and a drive prefix is dropped.
std::string_view FileNameOf(std::string_view path);

}  // namespace brelfx
